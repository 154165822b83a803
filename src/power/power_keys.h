// The main window's hidden keys of power management: "S" enables standby,
// "H" hibernation, "G" toggles Green Mode, "D" is the fast discharge command.
#pragma once

#include "dialogs/pending_dialog.h"
#include "platform/power.h"
#include "power/green_mode.h"
#include "power/power_hooks.h"

namespace voltaro::power {

class PowerKeys {
 public:
  PowerKeys(platform::PowerPlanTool& tool, platform::Power& power, dialogs::PendingDialog& dialog,
            GreenMode& green, PowerHooks& hooks);

  // `key` compared in upper case; returns whether it was one of the four.
  // The "S" and "H" notices say what came of the request: the setting made,
  // the tool not started (or elevation declined), or, where the system keeps
  // no such setting for the program, whether the system allows the state.
  bool handleKey(char key);

 private:
  void enableStandby();
  void enableHibernation();

  platform::PowerPlanTool& tool_;
  platform::Power& power_;
  dialogs::PendingDialog& dialog_;
  GreenMode& green_;
  PowerHooks& hooks_;
};

}  // namespace voltaro::power
