#include "ui/qt_tray_menu.h"

#include <QActionGroup>
#include <QMenu>

namespace voltaro::ui {

using frontend::tray_menu::ItemId;
using frontend::tray_menu::ItemKind;
using frontend::tray_menu::MenuItem;

namespace {
// Plain captions: a plan named "A&B" shows its "&" instead of underlining.
QString menuText(const std::string& caption) {
  return QString::fromStdString(caption).replace('&', QStringLiteral("&&"));
}
}  // namespace

QtTrayMenu::QtTrayMenu(frontend::tray_menu::MenuModel& model, QObject* parent)
    : QObject(parent), model_(model), root_(std::make_unique<QMenu>()) {
  fill(root_.get(), model_.root());
  connect(root_.get(), &QMenu::aboutToShow, this, [this] {
    if (aboutToOpen) aboutToOpen();
  });
  model_.setListener(this);
}

QtTrayMenu::~QtTrayMenu() {
  model_.setListener(nullptr);
}

QAction* QtTrayMenu::action(ItemId id) const {
  const auto it = actions_.find(id.code());
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* QtTrayMenu::submenu(ItemId id) const {
  const auto it = submenus_.find(id.code());
  return it == submenus_.end() ? nullptr : it->second;
}

void QtTrayMenu::showState(QAction* action, const MenuItem& item) {
  action->setEnabled(item.enabled);
  if (action->isCheckable()) action->setChecked(item.checked);
}

void QtTrayMenu::fill(QMenu* menu, const MenuItem& parent) {
  // Radio items get a group so that the style draws them as radio buttons.
  QActionGroup* group = nullptr;
  for (const MenuItem& item : parent.children) {
    const ItemId id = item.id;
    QAction* action = nullptr;
    switch (item.kind) {
      case ItemKind::Separator:
        menu->addSeparator();
        continue;
      case ItemKind::Submenu: {
        QMenu* child = menu->addMenu(menuText(item.caption));
        submenus_[id.code()] = child;
        fill(child, item);
        action = child->menuAction();
        break;
      }
      case ItemKind::Command:
      case ItemKind::Check:
      case ItemKind::Radio:
        action = menu->addAction(menuText(item.caption));
        action->setCheckable(item.kind != ItemKind::Command);
        break;
    }
    if (item.kind == ItemKind::Radio) {
      if (group == nullptr) group = new QActionGroup(menu);
      group->addAction(action);
    }
    actions_[id.code()] = action;
    action->setData(id.code());
    showState(action, item);
    if (item.kind == ItemKind::Submenu) continue;
    connect(action, &QAction::triggered, this, [this, action, id] {
      restoreMarks(action);
      QMetaObject::invokeMethod(
          this,
          [this, id] {
            if (chosen) chosen(id);
          },
          Qt::QueuedConnection);
    });
  }
}

void QtTrayMenu::restoreMarks(QAction* triggered) {
  // Qt has already moved the mark, in the whole radio group; the model
  // decides what they show.
  const QList<QAction*> moved =
      triggered->actionGroup() ? triggered->actionGroup()->actions() : QList<QAction*>{triggered};
  for (QAction* action : moved) {
    if (const MenuItem* item = model_.find(ItemId::fromCode(action->data().toInt()))) {
      showState(action, *item);
    }
  }
}

void QtTrayMenu::itemChanged(const MenuItem& item) {
  if (QAction* found = action(item.id)) showState(found, item);
}

void QtTrayMenu::forget(QMenu* menu) {
  for (QAction* old : menu->actions()) {
    if (old->isSeparator()) continue;
    const int code = old->data().toInt();
    if (const auto child = submenus_.find(code); child != submenus_.end()) {
      forget(child->second);
      submenus_.erase(child);
    }
    actions_.erase(code);
  }
}

void QtTrayMenu::childrenReplaced(const MenuItem& submenuItem) {
  QMenu* menu = submenu(submenuItem.id);
  if (menu == nullptr) return;
  // The model already holds the new children: the old actions are found
  // through the menu.
  forget(menu);
  menu->clear();
  for (QActionGroup* group : menu->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly)) {
    delete group;
  }
  fill(menu, submenuItem);
}

}  // namespace voltaro::ui
