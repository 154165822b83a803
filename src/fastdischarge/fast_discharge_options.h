// The option buttons of the fast-discharge group on the Calibrate page and
// the captions they show. Every operation is refused with the refusal sound
// while a fast discharge runs; none of them saves the settings.
#pragma once

#include "alerts/brightness_control.h"
#include "fastdischarge/fast_discharge.h"
#include "fastdischarge/fast_discharge_hooks.h"
#include "platform/audio.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"

namespace voltaro::fastdischarge {

inline constexpr std::int32_t kMinimumMinutes = 1;
inline constexpr std::int32_t kMaximumMinutes = 200;

class FastDischargeOptions {
 public:
  FastDischargeOptions(FastDischarge& process, alerts::BrightnessControl& brightness,
                       settings::AppSettings& settings, platform::Audio& audio,
                       view::ShownTexts& texts, FastDischargeHooks& hooks);

  // The Calibrate page is opened: the captions from the settings. A stored
  // brightness level of 255 becomes the last supported level when
  // brightness control is available; without it the level shows "None".
  void showCaptions();

  // Below 10 by 1, from 10 by 5 up to 200; down above 10 by 5, else by 1
  // down to 1. Both "Duration" and "Time Left" show the new value.
  void durationUp();
  void durationDown();
  void cpuThreadsUp();  // 1..4
  void cpuThreadsDown();
  void brightnessUp();    // next supported level
  void brightnessDown();  // previous supported level
  void discPercentUp();   // 1..100
  void discPercentDown();
  void toggleCpuLoad();
  void toggleBrightness();
  void toggleDiscActivity();

  // Controls 69 to 79; false for any other number.
  bool handleControl(int number);

 private:
  // True (after the refusal sound) while a fast discharge runs.
  bool refusedWhileRunning();
  void refuse();
  void showDuration();
  void showCpuThreads();
  void showBrightness();
  void showDiscPercent();
  void toggle(std::uint8_t& option, int control);

  FastDischarge& process_;
  alerts::BrightnessControl& brightness_;
  settings::AppSettings& settings_;
  platform::Audio& audio_;
  view::ShownTexts& texts_;
  FastDischargeHooks& hooks_;
};

}  // namespace voltaro::fastdischarge
