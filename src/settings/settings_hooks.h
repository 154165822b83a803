// What the settings actions need from the tray menu, the gadget, the pages
// and the dialogs. Every function defaults to doing nothing, so a test or a
// partial program overrides only what it watches.
#pragma once

#include <cstdint>

#include "view/confirmation_port.h"

namespace voltaro::settings {

// Check marks of the tray menu that mirror settings. SmallSize and Style3D
// stand for radio pairs: unchecking them checks "Large size" or "2D Style".
enum class TrayCheck : std::uint8_t {
  AlwaysOnTop,
  BalloonHints,
  SmallSize,
  Style3D,
  BatteryCapacity,
  TimeRemaining,
  CpuUsage,
};

class SettingsHooks {
 public:
  virtual ~SettingsHooks() = default;

  virtual void setTrayCheck(TrayCheck /*item*/, bool /*checked*/) {}
  // Checks the opacity item of this percent (20..100 in steps of 20).
  virtual void checkOpacityItem(int /*percent*/) {}
  // Checks the priority item 1 "Idle" .. 4 "Real-time".
  virtual void checkPriorityItem(int /*priority*/) {}

  // Lets the gadget show again after "Show Battery Gadget" came back on.
  virtual void showGadget() {}
  // Switches the gadget between stay-on-top and an ordinary window, re-shown.
  virtual void setGadgetStayOnTop(bool /*onTop*/) {}
  // Re-lays out the gadget for a new size or style; this saves the record.
  virtual void relayoutGadget() {}
  // Applies `GadgetOpacity` to the gadget window.
  virtual void applyGadgetOpacity() {}

  // Rewrites the start-with-the-system entry from `AutoRun`.
  virtual void setAutoRun(bool /*on*/) {}
  // Applies `TaskPriority` to the process.
  virtual void applyProcessPriority() {}
  // Redraws every toggle image and level caption of the Settings and Alerts pages.
  virtual void redrawSettingsPages() {}

  // Sets the pending dialog code to `code` and shows the confirmation dialog.
  virtual void askConfirmation(std::uint8_t /*code*/, const view::ConfirmationTexts& /*texts*/,
                               view::ConfirmationMode /*mode*/) {}
};

}  // namespace voltaro::settings
