// The notification-area menu as data: items with an identity, a caption, a
// kind, a check mark, an enabled state and children. Front ends render it
// (a QMenu, a Win32 popup menu) and hand the chosen item's identity back;
// everything that decides what the menu holds works on this model alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voltaro::frontend::tray_menu {

// What an item stands for. Items of one radio group share a command and
// differ by their value.
enum class TrayCommand : std::uint8_t {
  Root,
  Separator,  // value: its place among the separators
  MainPage,
  Page,  // value: page 1 Information .. 6 Home
  ShowAdvice,
  HelpFile,
  ViewLogs,
  DischargeLog,
  CalibrationLog,
  AlwaysOnTop,
  BalloonHints,
  Style,
  StyleItem,  // value: 0 "2D Style", 1 "3D Style"
  Size,
  SizeItem,  // value: 0 "Large size", 1 "Small size"
  Opacity,
  OpacityItem,  // value: the percentage
  Show,
  ShowCapacity,
  ShowTimeRemaining,
  ShowCpuUsage,
  Priority,
  PriorityItem,  // value: TaskPriority 1..4
  PowerOptions,
  PowerPlan,
  PowerPlanItem,  // value: the plan's 0-based place in the submenu
  Brightness,
  BrightnessItem,  // value: the percentage
  GreenMode,
  Standby,
  Hibernate,
  Restart,
  ShutDown,
  Exit,
};

struct ItemId {
  TrayCommand command = TrayCommand::Root;
  int value = 0;  // 0..255

  bool operator==(const ItemId&) const = default;
  // One number per item, for toolkits that identify items by an integer.
  int code() const { return (static_cast<int>(command) << 8) | (value & 0xFF); }
  static ItemId fromCode(int code) {
    return {static_cast<TrayCommand>((code >> 8) & 0xFF), code & 0xFF};
  }
};

enum class ItemKind : std::uint8_t {
  Command,
  Check,  // an on/off mark of its own
  Radio,  // one checked among the radio items of its submenu
  Submenu,
  Separator,
};

struct MenuItem {
  ItemId id;
  std::string caption;  // plain text, shown as it is
  ItemKind kind = ItemKind::Command;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> children;
};

class MenuModel {
 public:
  // Told of every change, so that a rendered menu can follow.
  class Listener {
   public:
    virtual ~Listener() = default;
    // The check mark or the enabled state of `item` changed.
    virtual void itemChanged(const MenuItem& item) = 0;
    // `submenu` has a new list of children.
    virtual void childrenReplaced(const MenuItem& submenu) = 0;
  };

  explicit MenuModel(MenuItem root) : root_(std::move(root)) {}

  const MenuItem& root() const { return root_; }
  // nullptr when no item has this identity.
  const MenuItem* find(ItemId id) const;
  bool checked(ItemId id) const;

  // A check item takes the mark as given. Checking a radio item unchecks the
  // other radio items of its submenu. An unknown identity changes nothing.
  void setChecked(ItemId id, bool checked);
  void setEnabled(ItemId id, bool enabled);
  void replaceChildren(ItemId submenu, std::vector<MenuItem> children);

  void setListener(Listener* listener) { listener_ = listener; }

 private:
  MenuItem* findMutable(ItemId id);
  MenuItem* parentOf(ItemId id);
  void changed(const MenuItem& item);

  MenuItem root_;
  Listener* listener_ = nullptr;
};

}  // namespace voltaro::frontend::tray_menu
