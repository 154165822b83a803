// The "Default Settings" action of the Settings page.
#include "settings/default_settings.h"

#include "settings/settings_hooks.h"

namespace voltaro::settings {
namespace {

void resetAlertsAndGeneral(AppSettings& s) {
  s.BalloonHints = 1;
  s.WarningEnabled = 0;
  s.WarningInMinutes = 0;
  s.WarningLevel = 30;
  s.CriticalEnabled = 0;
  s.CriticalInMinutes = 0;
  s.CriticalLevel = 5;
  s.AutoRun = 1;
  s.DischargeLog = 0;

  s.SmoothGraphics = 0;
  s.CritSystemHibernate = 0;
  s.CritSystemStandby = 0;
  s.CritMonitorOff = 0;
  s.WarnMuteSpeakers = 0;
  s.WarnDisableAero = 0;
  s.WarnAdjustBrightness = 0;
  s.EnableAeroOnAC = 0;
  s.PlaySounds = 1;
  s.PlayVoices = 1;
  s.CritForceStandby = 0;
  s.CritForceHibernate = 0;
  s.CalibrationLog = 0;
  s.ExitConfirmation = 1;
  s.CritShowMessage = 1;
  s.GadgetShowTimeRemaining = 0;
  s.GadgetShowCapacity = 1;
}

// Gadget settings change only when they differ, because each change shows,
// restyles or re-lays out the gadget window.
void resetGadget(AppSettings& s, SettingsHooks& hooks) {
  if (s.ShowBatteryGadget == 0) {
    s.ShowBatteryGadget = 1;
    hooks.showGadget();
  }
  if (s.BatteryOnTop != 0) {
    s.BatteryOnTop = 0;
    hooks.setTrayCheck(TrayCheck::AlwaysOnTop, false);
    hooks.setGadgetStayOnTop(false);
  }
  hooks.setTrayCheck(TrayCheck::BalloonHints, true);
  if (s.SmallSizeGadget == 0) {
    s.SmallSizeGadget = 1;
    hooks.setTrayCheck(TrayCheck::SmallSize, true);
    hooks.relayoutGadget();
  }
  if (s.Style3DGadget == 0) {
    s.Style3DGadget = 1;
    hooks.setTrayCheck(TrayCheck::Style3D, true);
    hooks.relayoutGadget();
  }
}

}  // namespace

void applyDefaultSettings(AppSettings& s, SettingsHooks& hooks) {
  resetAlertsAndGeneral(s);
  resetGadget(s, hooks);
  s.WarnLaunchProgram = 0;
  if (s.GadgetOpacity != 100) {
    hooks.checkOpacityItem(100);
    s.GadgetOpacity = 100;
    hooks.applyGadgetOpacity();
  }
  hooks.setAutoRun(s.AutoRun != 0);

  s.TaskPriority = 1;
  s.GadgetShowCpuUsage = 1;
  s.ShowGadgetHints = 1;
  s.ShowIconMenu = 0;
  s.FilledGraphics = 1;
  s.DischargeLine = 1;
  s.ShowBatteryAdvice = 1;

  hooks.setTrayCheck(TrayCheck::BatteryCapacity, s.GadgetShowCapacity != 0);
  hooks.setTrayCheck(TrayCheck::TimeRemaining, s.GadgetShowTimeRemaining != 0);
  hooks.setTrayCheck(TrayCheck::CpuUsage, s.GadgetShowCpuUsage != 0);
  hooks.checkPriorityItem(s.TaskPriority);
  hooks.applyProcessPriority();
  hooks.redrawSettingsPages();
}

}  // namespace voltaro::settings
