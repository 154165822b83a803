#include "frontend/tray_menu/tray_menu_commands.h"

#include "engine/engine.h"
#include "engine/window_port.h"
#include "frontend/tray_menu/desktop_openers.h"

namespace voltaro::frontend::tray_menu {

using C = TrayCommand;

TrayMenuCommands::TrayMenuCommands(engine::Engine& engine, TrayMenuChecks& checks,
                                   TrayWindow& window)
    : engine_(engine), checks_(checks), window_(window), settings_(engine) {}

void TrayMenuCommands::showPage(int page) {
  if (window_.currentPage() != page) window_.showPage(page);
  checks_.checkPage(page);
  window_.showMainWindow();
}

void TrayMenuCommands::run(ItemId id) {
  if (runSetting(id)) return;
  if (runSystem(id.command)) return;
  switch (id.command) {
    case C::Page:
      showPage(id.value);
      return;
    case C::ShowAdvice:
      engine_.advice().act31();
      return;
    case C::HelpFile:
      openHelpPage(engine_);
      return;
    case C::DischargeLog:
      engine_.logViewer().viewDischargeLog();
      return;
    case C::CalibrationLog:
      engine_.logViewer().viewCalibrationLog();
      return;
    case C::PowerOptions:
      openPowerSettings(engine_, platform::PowerSettingsView::Plans);
      return;
    case C::PowerPlanItem:
      engine_.powerPlans().PopupItemClick(id.value);
      return;
    case C::BrightnessItem:
      checks_.checkBrightnessItem(id.value / 10);
      engine_.brightness().applyTrayBrightness(static_cast<std::uint8_t>(id.value));
      return;
    case C::Exit:
      engine_.closeRequest();
      return;
    default:
      return;
  }
}

bool TrayMenuCommands::runSetting(ItemId id) {
  switch (id.command) {
    case C::AlwaysOnTop:
      settings_.flipAlwaysOnTop();
      engine_.saveSettings();
      return true;
    case C::BalloonHints:
      settings_.flipBalloonHints();
      return true;
    case C::StyleItem:
      settings_.chooseStyle(id.value == 1);
      return true;
    case C::SizeItem:
      settings_.chooseSize(id.value == 1);
      return true;
    case C::OpacityItem:
      settings_.chooseOpacity(id.value);
      return true;
    case C::ShowCapacity:
      settings_.flipShown(GadgetFigure::Capacity);
      return true;
    case C::ShowTimeRemaining:
      settings_.flipShown(GadgetFigure::TimeRemaining);
      return true;
    case C::ShowCpuUsage:
      settings_.flipShown(GadgetFigure::CpuUsage);
      return true;
    case C::PriorityItem:
      engine_.taskPriority().choosePriority(static_cast<std::uint8_t>(id.value));
      return true;
    default:
      return false;
  }
}

bool TrayMenuCommands::runSystem(TrayCommand command) {
  alerts::SystemActions& actions = engine_.systemActions();
  switch (command) {
    case C::GreenMode:
      engine_.greenMode().toggleGreenMode();
      // The gauge shows the mode in its colours.
      engine_.ports().window.drawgauge();
      return true;
    case C::Standby:
      actions.trayStandby();
      return true;
    case C::Hibernate:
      actions.trayHibernate();
      return true;
    case C::Restart:
      actions.trayRestart();
      return true;
    case C::ShutDown:
      actions.trayShutDown();
      return true;
    default:
      return false;
  }
}

void TrayMenuCommands::PopupMenu1Popup() {
  engine_.powerPlans().refreshPowerPlans();
  const auto item = engine_.brightness().trayCheckedItem(engine_.live().onPower);
  if (item) checks_.checkBrightnessItem(*item);
}

void TrayMenuCommands::CoolTrayIcon1Click(int cursorX, int cursorY) {
  engine_.gadget().bringGadgetToFront();
  if (engine_.settings().ShowIconMenu != 0) window_.openMenu(cursorX - kMenuOffsetLeft, cursorY);
}

void TrayMenuCommands::CoolTrayIcon1DblClick() {
  window_.showMainWindow();
}

}  // namespace voltaro::frontend::tray_menu
