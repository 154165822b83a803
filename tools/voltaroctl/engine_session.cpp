#include "engine_session.h"

#include <ostream>
#include <system_error>

#ifdef VOLTARO_HAVE_SYSFS
#include "platform/linux/xdg_folders.h"
#endif

namespace voltaro::tools {

namespace fs = std::filesystem;

DocumentsFolders::DocumentsFolders(fs::path documents) : documents_(documents.string()) {}

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

std::unique_ptr<platform::Folders> makeFolders(const std::string& dataBase,
                                               [[maybe_unused]] std::string& error) {
  if (!dataBase.empty()) return std::make_unique<DocumentsFolders>(dataBase);
#ifdef VOLTARO_HAVE_SYSFS
  return std::make_unique<platform::XdgFolders>();
#else
  error = "this build does not know the user's data folder; give it with --data DIR";
  return nullptr;
#endif
}

void ConsoleErrors::report(const std::string& message) {
  err_ << "error: " << message << "\n";
  ++count_;
}

void ConsoleErrors::showError(const std::string& text) {
  err_ << text << "\n";
  ++count_;
}

EngineSession::EngineSession(const EngineSessionPorts& ports)
    : engine_(engine::PlatformServices{ports.runtime, ports.driver, powerEvents_, systemTimes_,
                                       audio_, ports.folders, display_, power_, planTool_, shell_},
              engine::PresentationPorts{ports.tray, ports.statusLine, ports.errors, ports.errors,
                                        confirmation_, advice_, fileDialogs_, graph_, window_}) {}

EngineSession::~EngineSession() {
  engine_.formDestroy();
}

int EngineSession::create() {
  return engine_.formCreate();
}

}  // namespace voltaro::tools
