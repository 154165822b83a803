#include "frontend/tray_menu/desktop_openers.h"

#include <filesystem>

#include "common/file_io.h"
#include "engine/engine.h"
#include "platform/folders.h"
#include "view/status_line.h"

namespace voltaro::frontend::tray_menu {

std::string helpPagePath(platform::Folders& folders) {
  const auto folder = folders.programFolder();
  if (!folder) return {};
  const std::string beside = *folder + kHelpPageFile;
  if (fileExists(beside)) return beside;
  const std::filesystem::path installed =
      std::filesystem::path(*folder) / ".." / "share" / "voltaro" / kHelpPageFile;
  return installed.lexically_normal().string();
}

void openHelpPage(engine::Engine& engine) {
  const std::string path = helpPagePath(engine.services().folders);
  if (!path.empty()) engine.services().shell.openFile(path);
}

void openPowerSettings(engine::Engine& engine, platform::PowerSettingsView view) {
  if (engine.services().shell.openPowerSettings(view)) return;
  engine.ports().statusLine.show(kNoPowerSettingsText);
}

}  // namespace voltaro::frontend::tray_menu
