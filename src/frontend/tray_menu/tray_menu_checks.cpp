#include "frontend/tray_menu/tray_menu_checks.h"

namespace voltaro::frontend::tray_menu {

using C = TrayCommand;

void TrayMenuChecks::setTrayCheck(settings::TrayCheck item, bool checked) {
  switch (item) {
    case settings::TrayCheck::AlwaysOnTop:
      model_.setChecked({C::AlwaysOnTop}, checked);
      return;
    case settings::TrayCheck::BalloonHints:
      model_.setChecked({C::BalloonHints}, checked);
      return;
    case settings::TrayCheck::SmallSize:
      model_.setChecked({C::SizeItem, checked ? 1 : 0}, true);
      return;
    case settings::TrayCheck::Style3D:
      model_.setChecked({C::StyleItem, checked ? 1 : 0}, true);
      return;
    case settings::TrayCheck::BatteryCapacity:
      model_.setChecked({C::ShowCapacity}, checked);
      return;
    case settings::TrayCheck::TimeRemaining:
      model_.setChecked({C::ShowTimeRemaining}, checked);
      return;
    case settings::TrayCheck::CpuUsage:
      model_.setChecked({C::ShowCpuUsage}, checked);
      return;
  }
}

void TrayMenuChecks::checkOpacityItem(int percent) {
  model_.setChecked({C::OpacityItem, percent}, true);
}

void TrayMenuChecks::checkPriorityItem(int priority) {
  model_.setChecked({C::PriorityItem, priority}, true);
}

void TrayMenuChecks::rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& plans) {
  std::vector<MenuItem> items;
  for (std::size_t i = 0; i < plans.size(); ++i) {
    items.push_back(MenuItem{{C::PowerPlanItem, static_cast<int>(i)},
                             plans[i].name,
                             ItemKind::Radio,
                             plans[i].active,
                             true,
                             {}});
  }
  model_.replaceChildren({C::PowerPlan}, std::move(items));
}

void TrayMenuChecks::enablePowerPlanMenu(bool enabled) {
  model_.setEnabled({C::PowerPlan}, enabled);
}

void TrayMenuChecks::setGreenModeChecked(bool on) {
  model_.setChecked({C::GreenMode}, on);
}

void TrayMenuChecks::checkPage(int page) {
  model_.setChecked({C::Page, page}, true);
}

void TrayMenuChecks::checkBrightnessItem(int item) {
  if (item < 1 || item > 10) return;
  model_.setChecked({C::BrightnessItem, item * 10}, true);
}

}  // namespace voltaro::frontend::tray_menu
