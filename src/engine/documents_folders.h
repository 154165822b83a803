// The folders an engine keeps its data folder under: one given Documents
// base (`--data DIR`, a temporary base of a read-only run), or the user's own.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/folders.h"

namespace voltaro::engine {

// A folders port whose Documents base is one given folder. There is no
// fallback base, so an unwritable folder is the start-up error 2.
class DocumentsFolders : public platform::Folders {
 public:
  explicit DocumentsFolders(const std::filesystem::path& documents);

  std::optional<std::string> documentsFolder() override { return documents_; }
  std::optional<std::string> sharedFolder() override { return std::nullopt; }
  std::optional<std::string> programFolder() override { return std::nullopt; }
  char separator() const override;
  // Gives the owner write permission on every file of `folder`.
  void normaliseFileAttributes(const std::string& folder) override;

 private:
  std::string documents_;
};

// A fresh folder under the system's temporary folder, removed with all it
// holds when this goes.
class TemporaryDocuments {
 public:
  TemporaryDocuments();
  ~TemporaryDocuments();
  TemporaryDocuments(const TemporaryDocuments&) = delete;
  TemporaryDocuments& operator=(const TemporaryDocuments&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The user's own folders on this system; nullptr with a message in `error`
// where this build does not know them.
std::unique_ptr<platform::Folders> makeUserFolders(std::string& error);

}  // namespace voltaro::engine
