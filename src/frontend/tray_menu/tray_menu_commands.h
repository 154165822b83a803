// The notification-area icon's clicks and its menu's handlers: what each
// item does, what happens before the menu opens, and the left and double
// clicks on the icon.
#pragma once

#include "frontend/tray_menu/menu_model.h"
#include "frontend/tray_menu/setting_commands.h"
#include "frontend/tray_menu/tray_menu_checks.h"
#include "frontend/tray_menu/tray_window.h"

namespace voltaro::engine {
class Engine;
}

namespace voltaro::frontend::tray_menu {

// A left click opens the menu this far left of the cursor.
inline constexpr int kMenuOffsetLeft = 80;

class TrayMenuCommands {
 public:
  TrayMenuCommands(engine::Engine& engine, TrayMenuChecks& checks, TrayWindow& window);

  // The item `id` was chosen. Submenus, separators and unknown identities
  // do nothing.
  void run(ItemId id);

  // Before the menu opens: the "Power Plan" submenu from the power-plan
  // tool, and the "Brightness" mark from the display's current level.
  void PopupMenu1Popup();
  // Left click: the gadget comes forward; with `ShowIconMenu` on the menu
  // opens beside the cursor (screen coordinates).
  void CoolTrayIcon1Click(int cursorX, int cursorY);
  // Double click: the main window comes forward.
  void CoolTrayIcon1DblClick();

 private:
  void showPage(int page);
  // False when `id` is not one of theirs.
  bool runSetting(ItemId id);
  bool runSystem(TrayCommand command);

  engine::Engine& engine_;
  TrayMenuChecks& checks_;
  TrayWindow& window_;
  SettingCommands settings_;
};

}  // namespace voltaro::frontend::tray_menu
