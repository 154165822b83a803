#include "alerts/alert_rules.h"

#include "common/rounding.h"

namespace voltaro::alerts {

namespace {
constexpr std::uint32_t kSecondsPerMinute = 60;
}  // namespace

std::optional<std::int64_t> measuredAlertValue(bool inMinutes, const AlertInputs& inputs) {
  if (inMinutes) {
    if (!inputs.remainingSeconds) return std::nullopt;
    return *inputs.remainingSeconds / kSecondsPerMinute;
  }
  if (!inputs.chargePercent) return std::nullopt;
  return roundHalfEven(*inputs.chargePercent);
}

namespace {
bool atOrBelow(const std::optional<std::int64_t>& value, std::int64_t level) {
  return value && *value <= level;
}
}  // namespace

AlertRules::AlertRules(const settings::AppSettings& settings, platform::Runtime& runtime,
                       platform::Audio& audio, BrightnessControl& brightness,
                       SystemActions& actions, dialogs::PendingDialog& dialog, AlertsHooks& hooks)
    : settings_(settings),
      runtime_(runtime),
      audio_(audio),
      brightness_(brightness),
      actions_(actions),
      dialog_(dialog),
      hooks_(hooks) {}

void AlertRules::evaluateAlerts(const AlertInputs& inputs) {
  if (inputs.onAcPower) {
    warningFired_ = false;
    criticalFired_ = false;
    return;
  }
  if (inputs.calibrationRunning) return;

  if (settings_.WarningEnabled != 0 && !warningFired_ &&
      atOrBelow(measuredAlertValue(settings_.WarningInMinutes != 0, inputs),
                settings_.WarningLevel)) {
    fireWarningAlert();
    return;
  }
  if (settings_.CriticalEnabled != 0 && !criticalFired_ &&
      atOrBelow(measuredAlertValue(settings_.CriticalInMinutes != 0, inputs),
                settings_.CriticalLevel)) {
    fireCriticalAlert();
  }
}

void AlertRules::playAlertClips() {
  if (settings_.PlaySounds != 0) {
    audio_.play(platform::Clip::Refusal);
    platform::delay(runtime_, kAlarmClipMilliseconds);
  }
  if (settings_.PlayVoices != 0) {
    audio_.play(platform::Clip::Player2);
    platform::delay(runtime_, kVoiceClipMilliseconds);
  }
}

void AlertRules::fireWarningAlert() {
  warningFired_ = true;
  hooks_.alertFired(AlertKind::Warning);
  hooks_.bringGadgetToFront();
  playAlertClips();
  if (settings_.WarnAdjustBrightness != 0 && brightness_.available()) {
    brightness_.applyWarningBrightness();
  }
  if (settings_.WarnDisableAero != 0 && actions_.isCompositionOn()) {
    actions_.setComposition(false);
  }
  if (settings_.WarnMuteSpeakers != 0) actions_.volumeSteps(VolumeDirection::Down, kMuteSteps);
  if (settings_.WarnLaunchProgram != 0 && !settings_.LaunchProgramPath.empty()) {
    actions_.launchProgram(settings_.LaunchProgramPath);
  }
}

void AlertRules::fireCriticalAlert() {
  criticalFired_ = true;
  hooks_.alertFired(AlertKind::Critical);
  hooks_.bringGadgetToFront();
  playAlertClips();
  if (settings_.CritShowMessage != 0) {
    dialog_.ask(dialogs::code::kBatteryAlert,
                view::ConfirmationTexts{"Battery Alert",
                                        "The battery capacity has reached a critical value.",
                                        "Save your work and plug in the power cord now!", ""},
                view::ConfirmationMode::Ok);
    platform::delay(runtime_, kCriticalMessageMilliseconds);
  }
  criticalPowerAction();
}

void AlertRules::criticalPowerAction() {
  // At most one action; the first one switched on is the one chosen, and
  // when the system does not allow it nothing else is tried.
  if (settings_.CritMonitorOff != 0) {
    actions_.monitorOff();
    return;
  }
  if (settings_.CritSystemStandby != 0) {
    if (actions_.canSuspend()) actions_.requestStandby(settings_.CritForceStandby != 0);
    return;
  }
  if (settings_.CritSystemHibernate != 0 && actions_.canHibernate()) {
    actions_.requestHibernate(settings_.CritForceHibernate != 0);
  }
}

}  // namespace voltaro::alerts
