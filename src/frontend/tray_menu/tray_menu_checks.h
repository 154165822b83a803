// The engine's side of the notification-area menu on the menu model: the
// check marks that mirror settings, the Green Mode mark and the "Power Plan"
// submenu. The menu's own handlers set the page and brightness marks here
// too.
#pragma once

#include <vector>

#include "engine/tray_menu_port.h"
#include "frontend/tray_menu/menu_model.h"

namespace voltaro::frontend::tray_menu {

class TrayMenuChecks : public engine::TrayMenuPort {
 public:
  explicit TrayMenuChecks(MenuModel& model) : model_(model) {}

  void setTrayCheck(settings::TrayCheck item, bool checked) override;
  // A percentage without an item (not 20, 40 .. 100) changes no mark.
  void checkOpacityItem(int percent) override;
  // A value outside 1..4 changes no mark.
  void checkPriorityItem(int priority) override;
  // One radio item per plan, in table order, checked when active.
  void rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& plans) override;
  void enablePowerPlanMenu(bool enabled) override;
  void setGreenModeChecked(bool on) override;

  // The "Main Page" item of page 1..6.
  void checkPage(int page);
  // The "Brightness" item 1 "10%" .. 10 "100%"; other values change no mark.
  void checkBrightnessItem(int item);

  MenuModel& model() { return model_; }

 private:
  MenuModel& model_;
};

}  // namespace voltaro::frontend::tray_menu
