// The Warning Alert and the Critical Alert: when they fire, what they do, in
// which order, and how they are re-armed.
#pragma once

#include <cstdint>
#include <optional>

#include "alerts/alerts_hooks.h"
#include "alerts/brightness_control.h"
#include "alerts/system_actions.h"
#include "dialogs/pending_dialog.h"
#include "platform/audio.h"
#include "platform/runtime.h"
#include "settings/app_settings.h"

namespace voltaro::alerts {

// The readings an evaluation looks at, taken from the selected battery.
// An unknown reading fires nothing: no alert may act on a figure that was
// never measured.
struct AlertInputs {
  bool onAcPower = true;
  bool calibrationRunning = false;
  std::optional<double> chargePercent = std::nullopt;            // percent, 0..100; nullopt unknown
  std::optional<std::uint32_t> remainingSeconds = std::nullopt;  // seconds; nullopt unknown
};

inline constexpr std::uint32_t kAlarmClipMilliseconds = 750;
inline constexpr std::uint32_t kVoiceClipMilliseconds = 800;
inline constexpr std::uint32_t kCriticalMessageMilliseconds = 1000;

// The value compared with an alert's level: whole minutes of remaining time
// (truncated) or the charge percent rounded with halves to even; nullopt
// when that reading is unknown.
std::optional<std::int64_t> measuredAlertValue(bool inMinutes, const AlertInputs& inputs);

class AlertRules {
 public:
  AlertRules(const settings::AppSettings& settings, platform::Runtime& runtime,
             platform::Audio& audio, BrightnessControl& brightness, SystemActions& actions,
             dialogs::PendingDialog& dialog, AlertsHooks& hooks);

  // Every fifth tick, at the end of the tick. On AC power both alerts are
  // re-armed; during a calibration nothing fires; the warning is checked
  // first, and when it fires the critical check waits for the next call.
  void evaluateAlerts(const AlertInputs& inputs);

  bool warningFired() const { return warningFired_; }
  bool criticalFired() const { return criticalFired_; }
  // Switching an alert's "Enabled" on re-arms it; start-up re-arms both.
  void rearmWarning() { warningFired_ = false; }
  void rearmCritical() { criticalFired_ = false; }

 private:
  void fireWarningAlert();
  void fireCriticalAlert();
  void playAlertClips();
  void criticalPowerAction();

  const settings::AppSettings& settings_;
  platform::Runtime& runtime_;
  platform::Audio& audio_;
  BrightnessControl& brightness_;
  SystemActions& actions_;
  dialogs::PendingDialog& dialog_;
  AlertsHooks& hooks_;

  bool warningFired_ = false;
  bool criticalFired_ = false;
};

}  // namespace voltaro::alerts
