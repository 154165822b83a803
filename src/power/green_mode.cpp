#include "power/green_mode.h"

#include "alerts/sounds.h"

namespace voltaro::power {

using alerts::VolumeDirection;
using platform::BrightnessPolicy;

GreenMode::GreenMode(alerts::BrightnessControl& brightness, alerts::SystemActions& actions,
                     platform::Audio& audio, platform::Runtime& runtime,
                     const settings::AppSettings& settings, view::StatusLine& status,
                     view::ShownTexts& texts, PowerHooks& hooks)
    : brightness_(brightness),
      actions_(actions),
      audio_(audio),
      runtime_(runtime),
      settings_(settings),
      status_(status),
      texts_(texts),
      hooks_(hooks) {}

void GreenMode::toggleGreenMode() {
  // The status line names the mode being entered, even when it is refused.
  status_.show(greenOn_ ? "Normal Mode" : "Green Mode");
  if (hooks_.fastDischargeRunning()) {
    alerts::playRefusal(audio_, settings_);
    return;
  }
  greenOn_ = !greenOn_;
  hooks_.setGreenModeChecked(greenOn_);
  texts_.set(view::Page::Home, kGreenModeCaption, greenOn_ ? "On" : "Off");
  if (greenOn_) {
    switchOn();
  } else {
    switchOff();
  }
  runtime_.sleep(kGreenModeSettleMilliseconds);
}

void GreenMode::switchOn() {
  brightness_.readGreenModePair();
  compositionWasOn_ = false;
  if (actions_.isCompositionOn()) {
    compositionWasOn_ = true;
    actions_.setComposition(false);
  }
  actions_.volumeSteps(VolumeDirection::Down, kGreenModeVolumeSteps);
  if (brightness_.available()) {
    const std::uint8_t lowest = brightness_.levels().front();
    brightness_.setBrightness(BrightnessPolicy::Both, lowest, lowest);
  }
}

void GreenMode::switchOff() {
  if (brightness_.available()) {
    const alerts::BrightnessPair saved = brightness_.greenModePair();
    brightness_.setBrightness(BrightnessPolicy::Both, saved.ac, saved.dc);
  }
  if (compositionWasOn_ && !actions_.isCompositionOn()) actions_.setComposition(true);
  actions_.volumeSteps(VolumeDirection::Up, kGreenModeVolumeSteps);
}

}  // namespace voltaro::power
