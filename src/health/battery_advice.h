// The four items of the battery advice dialog and the Advice command (act31).
// The monitoring tick decides when the advice comes up by itself (once per
// full charge) and calls evaladvice and showInFront.
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
  platform::Runtime& runtime;  // the current date and time
  HealthHooks& hooks;
};

class BatteryAdvice {
 public:
  explicit BatteryAdvice(const AdviceContext& context);

  // Fills the advice dialog; true when any item says "Yes".
  bool evaladvice();
  // The Advice command: evaluates and shows the dialog whatever the result.
  void act31();
  // Shows the dialog, brings it to the top and makes it the foreground window.
  void showInFront();

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
};

}  // namespace voltaro::health
