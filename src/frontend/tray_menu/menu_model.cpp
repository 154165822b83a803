#include "frontend/tray_menu/menu_model.h"

namespace voltaro::frontend::tray_menu {

namespace {

const MenuItem* findIn(const MenuItem& item, ItemId id) {
  if (item.id == id) return &item;
  for (const MenuItem& child : item.children) {
    if (const MenuItem* found = findIn(child, id)) return found;
  }
  return nullptr;
}

MenuItem* parentIn(MenuItem& item, ItemId id) {
  for (MenuItem& child : item.children) {
    if (child.id == id) return &item;
    if (MenuItem* found = parentIn(child, id)) return found;
  }
  return nullptr;
}

}  // namespace

const MenuItem* MenuModel::find(ItemId id) const {
  return findIn(root_, id);
}

MenuItem* MenuModel::findMutable(ItemId id) {
  return const_cast<MenuItem*>(findIn(root_, id));
}

MenuItem* MenuModel::parentOf(ItemId id) {
  return parentIn(root_, id);
}

bool MenuModel::checked(ItemId id) const {
  const MenuItem* item = find(id);
  return item != nullptr && item->checked;
}

void MenuModel::changed(const MenuItem& item) {
  if (listener_ != nullptr) listener_->itemChanged(item);
}

void MenuModel::setChecked(ItemId id, bool checked) {
  MenuItem* item = findMutable(id);
  if (item == nullptr) return;
  if (item->kind == ItemKind::Radio && checked) {
    for (MenuItem& sibling : parentOf(id)->children) {
      if (sibling.kind != ItemKind::Radio || sibling.id == id || !sibling.checked) continue;
      sibling.checked = false;
      changed(sibling);
    }
  }
  if (item->checked == checked) return;
  item->checked = checked;
  changed(*item);
}

void MenuModel::setEnabled(ItemId id, bool enabled) {
  MenuItem* item = findMutable(id);
  if (item == nullptr || item->enabled == enabled) return;
  item->enabled = enabled;
  changed(*item);
}

void MenuModel::replaceChildren(ItemId submenu, std::vector<MenuItem> children) {
  MenuItem* item = findMutable(submenu);
  if (item == nullptr) return;
  item->children = std::move(children);
  if (listener_ != nullptr) listener_->childrenReplaced(*item);
}

}  // namespace voltaro::frontend::tray_menu
