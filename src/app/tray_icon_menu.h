// The notification-area icon's menu in the program: the menu model and its
// marks, the QMenu that shows it, and the handlers on the engine, with the
// main window as the pages the menu shows and the icon's clicks routed to
// the handlers.
#pragma once

#include <memory>

#include "frontend/tray_menu/menu_model.h"
#include "frontend/tray_menu/tray_menu_checks.h"
#include "frontend/tray_menu/tray_menu_commands.h"
#include "frontend/tray_menu/tray_window.h"
#include "ui/qt_tray_menu.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::ui {
class QtTray;
}

namespace voltaro::app {

class MainWindow;

class TrayIconMenu : public frontend::tray_menu::TrayWindow {
 public:
  TrayIconMenu(ui::QtTray& tray, MainWindow& window);
  ~TrayIconMenu() override;

  // The marks, for the engine's presentation ports: needed before the
  // engine exists.
  engine::TrayMenuPort& port() { return checks_; }
  // The engine exists: the menu, the icon's clicks and the main window's
  // page buttons reach it.
  void attach(engine::Engine& engine);

  frontend::tray_menu::MenuModel& model() { return model_; }
  ui::QtTrayMenu& menu() { return menu_; }
  frontend::tray_menu::TrayMenuCommands* commands() { return commands_.get(); }

  // frontend::tray_menu::TrayWindow
  int currentPage() const override;
  void showPage(int page) override;
  void showMainWindow() override;
  void openMenu(int x, int y) override;

 private:
  ui::QtTray& tray_;
  MainWindow& window_;
  frontend::tray_menu::MenuModel model_;
  frontend::tray_menu::TrayMenuChecks checks_;
  ui::QtTrayMenu menu_;
  std::unique_ptr<frontend::tray_menu::TrayMenuCommands> commands_;
};

}  // namespace voltaro::app
