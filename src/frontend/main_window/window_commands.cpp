#include "frontend/main_window/window_commands.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/engine.h"
#include "frontend/main_window/gauge_drawing.h"
#include "frontend/main_window/switch_table.h"
#include "frontend/main_window/window_host.h"
#include "frontend/tray_menu/desktop_openers.h"
#include "frontend/tray_menu/setting_commands.h"
#include "monitor/monitor.h"

namespace voltaro::frontend::main_window {

namespace {
using alerts::AlertColumn;
using alerts::CriticalPowerAction;
using frontend::tray_menu::GadgetFigure;
using frontend::tray_menu::SettingCommands;

void openWeb(engine::Engine& e, const char* page) {
  e.services().shell.openFile("http://" + e.updateCheck().webHost() + page);
}

bool runCalibrateControl(engine::Engine& e, int number) {
  // Calibration, fast discharge and its options (58, 68..79).
  if (e.calibratePage().handleControl(number)) return true;
  switch (number) {
    case 65:
      e.healthCommands().loadCommand();
      return true;
    case 66:
      e.healthCommands().saveCommand();
      return true;
    case 67:
      e.healthCommands().resetCommand();
      return true;
    case 90:
      frontend::tray_menu::openPowerSettings(e, platform::PowerSettingsView::Advanced);
      return true;
    default:
      return false;
  }
}

bool runAlertsControl(engine::Engine& e, int number, bool shift) {
  auto& page = e.alertsPage();
  switch (number) {
    case 36:
      page.toggleEnabled(AlertColumn::Warning);
      return true;
    case 37:
      page.toggleMinutes(AlertColumn::Warning);
      return true;
    case 38:
      page.levelMinus(AlertColumn::Warning, shift);
      return true;
    case 39:
      page.levelPlus(AlertColumn::Warning, shift);
      return true;
    case 40:
      page.toggleMuteSpeakers();
      return true;
    case 41:
      page.toggleDisableAero();
      return true;
    case 42:
      page.browseLaunchProgram();
      return true;
    case 43:
      page.toggleLaunchProgram();
      return true;
    case 44:
      page.toggleAdjustBrightness();
      return true;
    case 45:
      page.brightnessMinus();
      return true;
    case 46:
      page.brightnessPlus();
      return true;
    case 47:
      page.testBrightness();
      return true;
    case 48:
      page.toggleEnabled(AlertColumn::Critical);
      return true;
    case 49:
      page.toggleMinutes(AlertColumn::Critical);
      return true;
    case 50:
      page.levelMinus(AlertColumn::Critical, shift);
      return true;
    case 51:
      page.levelPlus(AlertColumn::Critical, shift);
      return true;
    case 52:
      page.toggleCriticalAction(CriticalPowerAction::MonitorOff);
      return true;
    case 53:
      page.toggleCriticalAction(CriticalPowerAction::SystemStandby);
      return true;
    case 54:
      page.toggleCriticalAction(CriticalPowerAction::SystemHibernate);
      return true;
    case 55:
      page.toggleForceStandby();
      return true;
    case 56:
      page.toggleForceHibernate();
      return true;
    case 57:
      page.toggleShowMessage();
      return true;
    default:
      return false;
  }
}

// The controls that do what a tray menu item does, so that its mark follows.
bool runTrayMenuSetting(engine::Engine& e, int number) {
  const auto& s = e.settings();
  SettingCommands commands(e);
  switch (number) {
    case 23:
      commands.flipAlwaysOnTop();
      return true;
    case 61:
      commands.flipShown(GadgetFigure::Capacity);
      return true;
    case 62:
      commands.flipShown(GadgetFigure::TimeRemaining);
      return true;
    case 63:
      commands.flipShown(GadgetFigure::CpuUsage);
      return true;
    case 84:
      commands.chooseSize(s.SmallSizeGadget == 0);
      return true;
    case 85:
      commands.chooseStyle(s.Style3DGadget == 0);
      return true;
    case 64:
      e.taskPriority().choosePriority(1);
      return true;
    case 87:
      e.taskPriority().choosePriority(2);
      return true;
    case 88:
      e.taskPriority().choosePriority(3);
      return true;
    case 89:
      e.taskPriority().choosePriority(4);
      return true;
    default:
      return false;
  }
}

bool runSettingsControl(engine::Engine& e, WindowHost& w, int number) {
  if (runTrayMenuSetting(e, number)) return true;
  auto& s = e.settings();
  switch (number) {
    case 20:
      flipSwitch(s, number);
      w.setAutoRun(s.AutoRun != 0);
      return true;
    case 28:
      e.logViewer().viewDischargeLog();
      return true;
    case 29:
      e.logViewer().viewCalibrationLog();
      return true;
    case 30:
      if (e.settingsKeys() != nullptr) e.settingsKeys()->askDefaultSettings();
      return true;
    case 31:
      e.advice().act31();
      return true;
    default:
      break;
  }
  if (!flipSwitch(s, number)) return false;
  // A log switched on starts with a fresh entry time, not the one from
  // before it was switched off.
  if (number == 21 && s.DischargeLog != 0) e.dischargeLog().resetEntryTime();
  if (number == 33) {
    if (s.ShowBatteryGadget == 0) {
      e.gadget().hideGadget();
    } else {
      e.gadget().showGadget();
    }
  }
  if (number == 25 || number == 80 || number == 83) w.redrawGraph();
  return true;
}

bool runGraphControl(engine::Engine& e, int number) {
  auto& graph = e.historyController();
  switch (number) {
    case 59:
      graph.zoomIn();
      return true;
    case 60:
      graph.zoomOut();
      return true;
    case 81:
      graph.originBack();
      return true;
    case 82:
      graph.originForward();
      return true;
    default:
      return false;
  }
}

}  // namespace

bool runPageButton(WindowHost& window, int number) {
  const auto page = pageOfButton(number);
  if (!page) return false;
  if (*page == window.currentPage()) return true;
  window.showPage(*page);
  window.pageChosen(*page);
  return true;
}

void runControl(engine::Engine& e, WindowHost& window, int number, bool shift) {
  if (runPageButton(window, number)) return;
  switch (number) {
    case 6:
      frontend::tray_menu::openHelpPage(e);
      return;
    case 7:
      e.closeRequest();
      return;
    case 8:
      window.saveCommand();
      return;
    case 9:
      window.hideToTray();
      return;
    case 10:
      e.greenMode().toggleGreenMode();
      window.drawgauge();
      return;
    case 13:
      openWeb(e, "/voltaro.htm");
      return;
    case 14:
      openWeb(e, "/download.htm");
      return;
    case 15:
      openWeb(e, "/contact.htm");
      return;
    case 19:
      e.updateCheck().act19();
      return;
    default:
      break;
  }
  // The Alerts page's switches have rules of their own, so they go first;
  // the Settings page's plain switches last.
  const bool done = runAlertsControl(e, number, shift) || runCalibrateControl(e, number) ||
                    runGraphControl(e, number) || runSettingsControl(e, window, number);
  if (!done) return;
  // A switch may have changed others (the exclusive critical actions, the
  // priority radios): every control shows its setting again.
  window.redrawAllControls();
  if (number == 59 || number == 60 || number == 81 || number == 82) window.redrawGraph();
}

void pressKey(engine::Engine& e, WindowHost& window, char key) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  if (upper == 'A') e.advice().act31();
  if (upper == 'C') e.calibratePage().handleKey(upper);
  if (upper == 'G' || upper == 'S' || upper == 'H' || upper == 'D') {
    e.powerKeys().handleKey(upper);
    window.drawgauge();
  }
  if (e.settingsKeys() != nullptr) e.settingsKeys()->pressKey(upper);
}

bool prepareShowPage(engine::Engine& e, PageNumber page, bool graphInView) {
  if (page != PageNumber::Graph) return true;
  if (graphInView) return false;
  e.monitor().waitidle(10);
  return true;
}

void finishShowPage(engine::Engine& e, WindowHost& window, PageNumber page) {
  switch (page) {
    case PageNumber::Settings:
    case PageNumber::Alerts:
      e.brightness().readPagePair();
      return;
    case PageNumber::Calibrate:
      e.fastDischargeOptions().showCaptions();
      return;
    case PageNumber::Graph:
      window.redrawGraph();
      return;
    case PageNumber::Information:
    case PageNumber::Home:
      return;
  }
}

GaugeFigures gaugeFigures(engine::Engine& e) {
  const auto& live = e.live();
  const float percent = live.percent(e.slots().currentSlot);
  GaugeFigures figures;
  figures.level = std::min(static_cast<int>(std::lround(percent)), 100);
  figures.chargingCase = live.onPower && live.charging && figures.level < 100;
  figures.mode = gaugeMode(e.fastDischarge().fastDischargeRunning(), e.calibration().calibrating(),
                           e.greenMode().greenOn());
  return figures;
}

}  // namespace voltaro::frontend::main_window
