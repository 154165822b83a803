// What the engine asks of the program's windows beyond the texts: the
// gadget, the tray menu's check marks, the pages' pictures and the end of
// the program. The Qt program implements it; every default does nothing, so
// voltaroctl and the tests run the engine without windows.
#pragma once

#include <string>
#include <vector>

#include "power/plan_listing.h"
#include "settings/settings_hooks.h"

namespace voltaro::engine {

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // Gadget.
  virtual bool gadgetCreated() { return true; }
  virtual void setGadgetStayOnTop(bool /*onTop*/) {}
  virtual void showGadgetFirstTime() {}
  virtual void refreshGadget() {}
  virtual void hideGadget() {}
  virtual void showGadget() {}
  virtual void setGadgetHint(const std::string& /*hint*/) {}
  virtual void relayoutGadget() {}
  virtual void applyGadgetOpacity() {}
  virtual void bringGadgetToFront() {}

  // Tray menu check marks and submenus.
  virtual void setTrayCheck(settings::TrayCheck /*item*/, bool /*checked*/) {}
  virtual void checkOpacityItem(int /*percent*/) {}
  virtual void checkPriorityItem(int /*priority*/) {}
  virtual void rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& /*plans*/) {}
  virtual void enablePowerPlanMenu(bool /*enabled*/) {}
  virtual void setGreenModeChecked(bool /*on*/) {}

  // Main window.
  virtual bool calibratePageVisible() { return false; }
  virtual bool homePageVisible() { return false; }
  virtual void redrawSettingsPages() {}
  // Redraws the skinned control with this number (1..90).
  virtual void redrawControl(int /*number*/) {}
  virtual void redrawPriorityRadios() {}
  virtual void drawgauge() {}
  virtual void showAdviceWindow() {}

  // The start-with-the-system entry.
  virtual void setAutoRun(bool /*on*/) {}

  // The exit procedure is done: end the message loop.
  virtual void quit() {}
};

}  // namespace voltaro::engine
