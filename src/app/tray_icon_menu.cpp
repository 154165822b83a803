#include "app/tray_icon_menu.h"

#include <QCursor>
#include <QMenu>

#include "app/main_window.h"
#include "frontend/tray_menu/tray_menu_tree.h"
#include "ui/qt_tray.h"

namespace voltaro::app {

TrayIconMenu::TrayIconMenu(ui::QtTray& tray, MainWindow& window)
    : tray_(tray),
      window_(window),
      model_(frontend::tray_menu::buildTrayMenu()),
      checks_(model_),
      menu_(model_) {}

TrayIconMenu::~TrayIconMenu() = default;

void TrayIconMenu::attach(engine::Engine& engine) {
  commands_ = std::make_unique<frontend::tray_menu::TrayMenuCommands>(engine, checks_, *this);
  menu_.chosen = [this](frontend::tray_menu::ItemId id) { commands_->run(id); };
  menu_.aboutToOpen = [this] { commands_->PopupMenu1Popup(); };
  window_.pageShown = [this](PageNumber page) { checks_.checkPage(static_cast<int>(page)); };
  tray_.setMenu(menu_.menu());
  // The notification area reports no pointer moves: the cursor is read at
  // the click.
  QObject::connect(&tray_, &ui::QtTray::clicked, &window_, [this] {
    const QPoint cursor = QCursor::pos();
    commands_->CoolTrayIcon1Click(cursor.x(), cursor.y());
  });
  QObject::connect(&tray_, &ui::QtTray::doubleClicked, &window_,
                   [this] { commands_->CoolTrayIcon1DblClick(); });
}

int TrayIconMenu::currentPage() const {
  return static_cast<int>(window_.currentPage());
}

void TrayIconMenu::showPage(int page) {
  if (page < 1 || page > kPageCount) return;
  window_.showPage(static_cast<PageNumber>(page));
}

void TrayIconMenu::showMainWindow() {
  window_.showFromTray();
}

void TrayIconMenu::openMenu(int x, int y) {
  menu_.menu()->popup(QPoint(x, y));
}

}  // namespace voltaro::app
