// The notification-area menu on QMenu: rendered from the menu model, kept in
// step with it, and handing the chosen item's identity back once the menu
// has closed. The marks always show the model: a click changes them only
// through the handler it reaches.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "frontend/tray_menu/menu_model.h"

class QAction;
class QMenu;

namespace voltaro::ui {

class QtTrayMenu : public QObject, public frontend::tray_menu::MenuModel::Listener {
  Q_OBJECT

 public:
  explicit QtTrayMenu(frontend::tray_menu::MenuModel& model, QObject* parent = nullptr);
  ~QtTrayMenu() override;

  QMenu* menu() const { return root_.get(); }
  // The action of an item, or of a submenu's entry; nullptr when none.
  QAction* action(frontend::tray_menu::ItemId id) const;
  QMenu* submenu(frontend::tray_menu::ItemId id) const;

  // Runs after the menu has closed, from the event loop.
  std::function<void(frontend::tray_menu::ItemId)> chosen;
  // Runs before the menu opens, so that the model can be brought up to date.
  std::function<void()> aboutToOpen;

  // frontend::tray_menu::MenuModel::Listener
  void itemChanged(const frontend::tray_menu::MenuItem& item) override;
  void childrenReplaced(const frontend::tray_menu::MenuItem& submenu) override;

 private:
  void fill(QMenu* menu, const frontend::tray_menu::MenuItem& parent);
  // Drops the identities of a submenu's actions, before they are deleted.
  void forget(QMenu* menu);
  void restoreMarks(QAction* triggered);
  void showState(QAction* action, const frontend::tray_menu::MenuItem& item);

  frontend::tray_menu::MenuModel& model_;
  std::unique_ptr<QMenu> root_;
  std::map<int, QAction*> actions_;  // by ItemId::code()
  std::map<int, QMenu*> submenus_;
};

}  // namespace voltaro::ui
