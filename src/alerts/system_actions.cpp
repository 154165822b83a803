#include "alerts/system_actions.h"

#include <algorithm>

namespace voltaro::alerts {

SystemActions::SystemActions(platform::Display& display, platform::Audio& audio,
                             platform::Power& power, platform::PowerPlanTool& planTool,
                             platform::Shell& shell, const settings::AppSettings& settings,
                             view::StatusLine& status, view::ErrorReport& errors)
    : display_(display),
      audio_(audio),
      power_(power),
      planTool_(planTool),
      shell_(shell),
      settings_(settings),
      status_(status),
      errors_(errors) {}

void SystemActions::monitorOff() {
  if (!display_.monitorOff()) status_.show("Monitor Off is not available on this desktop");
}

void SystemActions::launchProgram(const std::string& path) {
  if (!shell_.launchProgram(path)) status_.show("Cannot launch " + path);
}

void SystemActions::volumeSteps(VolumeDirection direction, int count) {
  if (count <= 0) return;
  const auto current = audio_.masterVolume();
  if (!current) return;  // no mixer: the key presses have nothing to move
  const int sign = direction == VolumeDirection::Up ? 1 : -1;
  const int target = std::clamp(*current + sign * count * kVolumeStepPercent, 0, 100);
  if (target != *current) audio_.setMasterVolume(target);
}

void SystemActions::setMasterVolume90() {
  audio_.setMasterVolume(kStartupMasterVolumePercent);
}

void SystemActions::onAcReturn() {
  if (settings_.EnableAeroOnAC == 0) return;
  if (display_.isCompositionOn()) return;
  display_.setComposition(true);
}

void SystemActions::trayStandby() {
  if (power_.canSuspend()) {
    power_.suspend(false);
    return;
  }
  power_.beep();
  if (power_.canHibernate()) power_.hibernate(false);
}

void SystemActions::trayHibernate() {
  planTool_.setHibernateEnabled(true);
  if (power_.canHibernate()) power_.hibernate(true);
}

void SystemActions::trayShutDown() {
  if (!power_.canShutdown()) return;
  reportRefusedPrivilege(power_.powerOff());
}

void SystemActions::trayRestart() {
  reportRefusedPrivilege(power_.reboot());
}

void SystemActions::reportRefusedPrivilege(const platform::PowerRequestResult& result) {
  if (!result.error.empty()) errors_.report(result.error);
}

}  // namespace voltaro::alerts
