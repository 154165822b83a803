#include "frontend/tray_menu/tray_menu_tree.h"

#include <utility>

namespace voltaro::frontend::tray_menu {

namespace {

using C = TrayCommand;

MenuItem item(C command, const char* caption, ItemKind kind = ItemKind::Command, int value = 0) {
  return MenuItem{{command, value}, caption, kind, false, true, {}};
}

MenuItem radio(C command, int value, const char* caption) {
  return item(command, caption, ItemKind::Radio, value);
}

MenuItem check(C command, const char* caption) {
  return item(command, caption, ItemKind::Check);
}

MenuItem submenu(C command, const char* caption, std::vector<MenuItem> children) {
  MenuItem menu = item(command, caption, ItemKind::Submenu);
  menu.children = std::move(children);
  return menu;
}

MenuItem separator(int place) {
  return item(C::Separator, "", ItemKind::Separator, place);
}

MenuItem mainPage() {
  MenuItem menu = submenu(
      C::MainPage, "Main Page",
      {radio(C::Page, 1, "Information"), radio(C::Page, 2, "Graph"), radio(C::Page, 3, "Settings"),
       radio(C::Page, 4, "Alerts"), radio(C::Page, 5, "Calibrate"), radio(C::Page, 6, "Home")});
  menu.children.front().checked = true;  // the page shown at start
  return menu;
}

MenuItem opacity() {
  return submenu(C::Opacity, "Opacity",
                 {radio(C::OpacityItem, 20, "20%"), radio(C::OpacityItem, 40, "40%"),
                  radio(C::OpacityItem, 60, "60%"), radio(C::OpacityItem, 80, "80%"),
                  radio(C::OpacityItem, 100, "100%")});
}

MenuItem brightness() {
  static const char* const kCaptions[] = {"10%", "20%", "30%", "40%", "50%",
                                          "60%", "70%", "80%", "90%", "100%"};
  std::vector<MenuItem> levels;
  for (int i = 0; i < 10; ++i)
    levels.push_back(radio(C::BrightnessItem, (i + 1) * 10, kCaptions[i]));
  return submenu(C::Brightness, "Brightness", std::move(levels));
}

}  // namespace

MenuItem buildTrayMenu() {
  return submenu(
      C::Root, "",
      {mainPage(),
       item(C::ShowAdvice, "Show Advice"),
       separator(1),
       item(C::HelpFile, "Help File"),
       submenu(C::ViewLogs, "View Logs",
               {item(C::DischargeLog, "Discharge"), item(C::CalibrationLog, "Calibration")}),
       separator(2),
       check(C::AlwaysOnTop, "Always on Top"),
       check(C::BalloonHints, "Balloon Hints"),
       submenu(C::Style, "Style",
               {radio(C::StyleItem, 0, "2D Style"), radio(C::StyleItem, 1, "3D Style")}),
       submenu(C::Size, "Size",
               {radio(C::SizeItem, 0, "Large size"), radio(C::SizeItem, 1, "Small size")}),
       opacity(),
       submenu(
           C::Show, "Show",
           {check(C::ShowCapacity, "Battery capacity"),
            check(C::ShowTimeRemaining, "Time remaining"), check(C::ShowCpuUsage, "CPU usage")}),
       submenu(C::Priority, "Priority",
               {radio(C::PriorityItem, 1, "Idle"), radio(C::PriorityItem, 2, "Normal"),
                radio(C::PriorityItem, 3, "High"), radio(C::PriorityItem, 4, "Real-time")}),
       separator(3),
       item(C::PowerOptions, "Power Options"),
       submenu(C::PowerPlan, "Power Plan", {}),
       brightness(),
       separator(4),
       check(C::GreenMode, "Green Mode"),
       item(C::Standby, "Standby"),
       item(C::Hibernate, "Hibernate"),
       item(C::Restart, "Restart"),
       item(C::ShutDown, "Shut Down"),
       separator(5),
       item(C::Exit, "Exit")});
}

}  // namespace voltaro::frontend::tray_menu
