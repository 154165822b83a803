// The four items of the battery advice dialog, the Advice command (act31) and
// the automatic advice of the monitoring tick, shown at most once per full
// charge.
#pragma once

#include <string>
#include <string_view>

#include "battery/battery_state.h"
#include "health/health_hooks.h"
#include "health/health_store.h"
#include "platform/runtime.h"
#include "settings/app_settings.h"
#include "view/advice_port.h"

namespace voltaro::health {

// Name of the calibration's full-discharge marker in the data folder.
inline constexpr std::string_view kDischargeMarkerFile = "calib2.txt";

inline constexpr view::Rgb kAdviceYesColour{0xFC, 0x30, 0x12};
inline constexpr view::Rgb kAdviceNoColour{0x99, 0xA3, 0xBB};

struct AdviceContext {
  const HealthStore& store;
  const battery::BatteryInfo& info;
  const battery::SlotTable& slots;
  const battery::LiveStatus& live;
  const settings::AppSettings& settings;
  const std::string& dataFolder;
  view::AdvicePort& window;
  platform::Runtime& runtime;
  HealthHooks& hooks;
};

class BatteryAdvice {
 public:
  explicit BatteryAdvice(const AdviceContext& context);

  // Fills the advice dialog; true when any item says "Yes".
  bool evaladvice();
  // The Advice command: evaluates and shows the dialog whatever the result.
  void act31();
  // Tick 35 of each minute: for the primary battery, with "Show Battery
  // Advice" on and not yet shown since the last full charge, evaluates once
  // and brings the dialog to the front when an item applies.
  void automaticAdvice();
  // The status handling calls this when the battery reaches 100 % on power.
  void clearAdviceShown() { adviceShown_ = false; }
  bool adviceShown() const { return adviceShown_; }

 private:
  bool calibrationDue() const;
  bool chargeToFull(float percent) const;
  bool greenModeAdvised(float percent) const;
  bool replacementAdvised() const;

  const HealthStore& store_;
  const battery::BatteryInfo& info_;
  const battery::SlotTable& slots_;
  const battery::LiveStatus& live_;
  const settings::AppSettings& settings_;
  const std::string& dataFolder_;
  view::AdvicePort& window_;
  platform::Runtime& runtime_;
  HealthHooks& hooks_;
  bool adviceShown_ = false;
};

}  // namespace voltaro::health
