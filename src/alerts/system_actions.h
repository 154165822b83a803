// The program's actions on the computer other than brightness: monitor
// power, speaker volume, desktop composition, standby, hibernation,
// shut-down, restart and launching a program.
#pragma once

#include <string>

#include "platform/audio.h"
#include "platform/display.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "settings/app_settings.h"
#include "view/status_line.h"

namespace voltaro::alerts {

enum class VolumeDirection { Down, Up };

// One volume key press moves the master volume by this much.
inline constexpr int kVolumeStepPercent = 2;
inline constexpr int kMuteSteps = 50;
inline constexpr int kStartupMasterVolumePercent = 90;

class SystemActions {
 public:
  SystemActions(platform::Display& display, platform::Audio& audio, platform::Power& power,
                platform::PowerPlanTool& planTool, platform::Shell& shell,
                const settings::AppSettings& settings, view::StatusLine& status,
                view::ErrorReport& errors);

  // Turns the monitor off; says on the status line when this desktop has no
  // way to.
  void monitorOff();

  // `count` volume key presses in one direction.
  void volumeSteps(VolumeDirection direction, int count);
  // The master output line to 90 % (once, in the delayed start-up step).
  void setMasterVolume90();

  bool isCompositionOn() { return display_.isCompositionOn(); }
  void setComposition(bool on) { display_.setComposition(on); }
  // The power source changed from battery to AC: composition back on when
  // EnableAeroOnAC asks for it and it is off.
  void onAcReturn();

  bool canSuspend() { return power_.canSuspend(); }
  bool canHibernate() { return power_.canHibernate(); }
  // Callers check canSuspend / canHibernate first.
  bool requestStandby(bool force) { return power_.suspend(force); }
  bool requestHibernate(bool force) { return power_.hibernate(force); }

  // Tray "Standby": standby when allowed, else a beep and hibernation when
  // that is allowed.
  void trayStandby();
  // Tray "Hibernate": switches hibernation on with the power-plan tool, then
  // hibernates with force when allowed.
  void trayHibernate();
  // Tray "Shut Down": only when the system allows it. Tray "Restart": always
  // requested. A refused privilege reaches the error report.
  void trayShutDown();
  void trayRestart();

  // Starts the program, desktop entry or file the user chose; says on the
  // status line when nothing could be started.
  void launchProgram(const std::string& path);

 private:
  void reportRefusedPrivilege(const platform::PowerRequestResult& result);

  platform::Display& display_;
  platform::Audio& audio_;
  platform::Power& power_;
  platform::PowerPlanTool& planTool_;
  platform::Shell& shell_;
  const settings::AppSettings& settings_;
  view::StatusLine& status_;
  view::ErrorReport& errors_;
};

}  // namespace voltaro::alerts
