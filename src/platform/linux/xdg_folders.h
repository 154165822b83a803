// The folders of a Linux desktop: the XDG Documents folder, $XDG_DATA_HOME
// as the fallback base, and the folder of the running executable.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/folders.h"

namespace voltaro::platform {

class XdgFolders : public Folders {
 public:
  // Looks up an environment variable; nullopt when it is unset.
  using EnvironmentLookup = std::function<std::optional<std::string>(const std::string&)>;
  // Runs `xdg-user-dir DOCUMENTS` and returns its first output line; nullopt
  // when the tool cannot run.
  using DocumentsQuery = std::function<std::optional<std::string>()>;

  // The process environment and the real xdg-user-dir tool.
  XdgFolders();
  XdgFolders(EnvironmentLookup environment, DocumentsQuery documentsQuery);

  std::optional<std::string> documentsFolder() override;
  std::optional<std::string> sharedFolder() override;
  std::optional<std::string> programFolder() override;
  char separator() const override { return '/'; }
  void normaliseFileAttributes(const std::string& folder) override;

 private:
  std::optional<std::string> home() const;

  EnvironmentLookup environment_;
  DocumentsQuery documentsQuery_;
};

}  // namespace voltaro::platform
