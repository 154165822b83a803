// The folders of a Linux desktop.
#include "platform/linux/xdg_folders.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace voltaro::platform {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> processEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> runXdgUserDir() {
  FILE* pipe = ::popen("xdg-user-dir DOCUMENTS 2>/dev/null", "r");
  if (pipe == nullptr) return std::nullopt;
  std::string line;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    line += buffer;
    if (!line.empty() && line.back() == '\n') break;
  }
  const int status = ::pclose(pipe);
  if (status != 0) return std::nullopt;  // also "command not found" (127)
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

XdgFolders::XdgFolders() : XdgFolders(processEnvironment, runXdgUserDir) {}

XdgFolders::XdgFolders(EnvironmentLookup environment, DocumentsQuery documentsQuery)
    : environment_(std::move(environment)), documentsQuery_(std::move(documentsQuery)) {}

std::optional<std::string> XdgFolders::home() const {
  const auto value = environment_("HOME");
  if (!value || value->empty() || value->front() != '/') return std::nullopt;
  return withoutTrailingSlashes(*value);
}

std::optional<std::string> XdgFolders::documentsFolder() {
  const auto homeFolder = home();
  const auto answer = documentsQuery_();
  // xdg-user-dir prints $HOME when XDG_DOCUMENTS_DIR is unset; the home
  // folder itself is not a Documents folder, so ~/Documents is used instead.
  if (answer && !answer->empty() && answer->front() == '/') {
    const std::string documents = withoutTrailingSlashes(*answer);
    if (!homeFolder || documents != *homeFolder) return documents;
  }
  if (!homeFolder) return std::nullopt;
  return *homeFolder + "/Documents";
}

std::optional<std::string> XdgFolders::sharedFolder() {
  // The XDG rules ignore a relative $XDG_DATA_HOME.
  const auto dataHome = environment_("XDG_DATA_HOME");
  if (dataHome && !dataHome->empty() && dataHome->front() == '/') {
    return withoutTrailingSlashes(*dataHome);
  }
  const auto homeFolder = home();
  if (!homeFolder) return std::nullopt;
  return *homeFolder + "/.local/share";
}

std::optional<std::string> XdgFolders::programFolder() {
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (ec || executable.empty()) return std::nullopt;
  std::string folder = executable.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder;
}

void XdgFolders::normaliseFileAttributes(const std::string& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status status = it->symlink_status(ec);
    if (ec || !fs::is_regular_file(status)) continue;
    if ((status.permissions() & fs::perms::owner_write) != fs::perms::none) continue;
    std::error_code ignored;
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  }
}

}  // namespace voltaro::platform
