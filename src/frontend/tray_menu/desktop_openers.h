// Opening the help page and the desktop's power settings program, from the
// menu and from the main window's controls.
#pragma once

#include <string>

#include "platform/shell.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::platform {
class Folders;
}

namespace voltaro::frontend::tray_menu {

inline constexpr const char* kHelpPageFile = "vt_help.htm";
// The status line when the system has no power settings program.
inline constexpr const char* kNoPowerSettingsText = "No power settings program was found";

// The help page beside the program; where it is not there, the installed
// one under the program's share folder (bin/../share/voltaro). Empty when
// the program's folder is unknown.
std::string helpPagePath(platform::Folders& folders);

// Opens the help page with its associated program.
void openHelpPage(engine::Engine& engine);

// Opens the desktop's power settings program at `view`; the status line
// says so when there is none.
void openPowerSettings(engine::Engine& engine, platform::PowerSettingsView view);

}  // namespace voltaro::frontend::tray_menu
