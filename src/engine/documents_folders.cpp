#include "engine/documents_folders.h"

#include <random>
#include <system_error>

#ifdef VOLTARO_HAVE_SYSFS
#include "platform/linux/xdg_folders.h"
#endif
#ifdef VOLTARO_HAVE_WIN32
#include "platform/windows/win32_folders.h"
#endif

namespace voltaro::engine {

namespace fs = std::filesystem;

DocumentsFolders::DocumentsFolders(const fs::path& documents) : documents_(documents.string()) {}

char DocumentsFolders::separator() const {
  return static_cast<char>(fs::path::preferred_separator);
}

void DocumentsFolders::normaliseFileAttributes(const std::string& folder) {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) {
    if (!entry.is_regular_file(ignored)) continue;
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  }
}

TemporaryDocuments::TemporaryDocuments() {
  std::random_device seed;
  std::error_code ignored;
  path_ = fs::temp_directory_path(ignored) /
          ("voltaro-run-" + std::to_string(seed()) + "-" + std::to_string(seed()));
  fs::create_directories(path_, ignored);
}

TemporaryDocuments::~TemporaryDocuments() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::unique_ptr<platform::Folders> makeUserFolders([[maybe_unused]] std::string& error) {
#if defined(VOLTARO_HAVE_SYSFS)
  return std::make_unique<platform::XdgFolders>();
#elif defined(VOLTARO_HAVE_WIN32)
  return std::make_unique<platform::windows::Win32Folders>();
#else
  error = "this build does not know the user's data folder; give it with --data DIR";
  return nullptr;
#endif
}

}  // namespace voltaro::engine
