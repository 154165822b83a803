// A folders port over temporary folders: each base can be set to a path or
// to "none", and the attribute normalisation is only recorded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/folders.h"

namespace voltaro::fakes {

class FakeFolders : public platform::Folders {
 public:
  std::optional<std::string> documentsFolder() override { return documents; }
  std::optional<std::string> sharedFolder() override { return shared; }
  std::optional<std::string> programFolder() override { return program; }
  char separator() const override { return '/'; }
  void normaliseFileAttributes(const std::string& folder) override { normalised.push_back(folder); }

  std::optional<std::string> documents;
  std::optional<std::string> shared;
  std::optional<std::string> program;
  std::vector<std::string> normalised;  // folders passed to normaliseFileAttributes
};

}  // namespace voltaro::fakes
