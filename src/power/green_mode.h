// Green Mode: one switch that dims the display to its lowest supported level,
// turns desktop composition off and lowers the volume, and restores all three
// when switched off. Off at every start, not restored at exit.
#pragma once

#include <cstdint>

#include "alerts/brightness_control.h"
#include "alerts/system_actions.h"
#include "platform/audio.h"
#include "platform/runtime.h"
#include "power/power_hooks.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::power {

inline constexpr int kGreenModeVolumeSteps = 25;
inline constexpr std::uint32_t kGreenModeSettleMilliseconds = 200;
// The caption beside the main window's "Green" button: "On" or "Off".
inline constexpr const char* kGreenModeCaption = "Green";

class GreenMode {
 public:
  GreenMode(alerts::BrightnessControl& brightness, alerts::SystemActions& actions,
            platform::Audio& audio, platform::Runtime& runtime,
            const settings::AppSettings& settings, view::StatusLine& status,
            view::ShownTexts& texts, PowerHooks& hooks);

  // The tray item "Green Mode", the "Green" button and the key "G". Refused
  // with the refusal sound while a fast discharge runs.
  void toggleGreenMode();

  bool greenOn() const { return greenOn_; }
  bool compositionWasOn() const { return compositionWasOn_; }

 private:
  void switchOn();
  void switchOff();

  alerts::BrightnessControl& brightness_;
  alerts::SystemActions& actions_;
  platform::Audio& audio_;
  platform::Runtime& runtime_;
  const settings::AppSettings& settings_;
  view::StatusLine& status_;
  view::ShownTexts& texts_;
  PowerHooks& hooks_;

  bool greenOn_ = false;
  bool compositionWasOn_ = false;
};

}  // namespace voltaro::power
