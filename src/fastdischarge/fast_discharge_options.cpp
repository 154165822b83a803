#include "fastdischarge/fast_discharge_options.h"

#include <algorithm>

#include "alerts/sounds.h"
#include "fastdischarge/fast_discharge_texts.h"

namespace voltaro::fastdischarge {

namespace {
using view::Page;
constexpr std::int32_t kFineStepLimit = 10;  // minutes; steps of 1 below, of 5 above
constexpr std::int32_t kCoarseStep = 5;
constexpr int kMaximumDiscPercent = 100;
}  // namespace

FastDischargeOptions::FastDischargeOptions(FastDischarge& process,
                                           alerts::BrightnessControl& brightness,
                                           settings::AppSettings& settings, platform::Audio& audio,
                                           view::ShownTexts& texts, FastDischargeHooks& hooks)
    : process_(process),
      brightness_(brightness),
      settings_(settings),
      audio_(audio),
      texts_(texts),
      hooks_(hooks) {}

void FastDischargeOptions::showCaptions() {
  showDuration();
  showCpuThreads();
  showDiscPercent();
  if (brightness_.available() &&
      settings_.FastDischargeBrightnessLevel == alerts::kNoBrightnessLevel) {
    settings_.FastDischargeBrightnessLevel = brightness_.levels().back();
  }
  showBrightness();
  if (!process_.fastDischargeRunning()) {
    texts_.set(Page::Calibrate, kTimeLeftCaption, std::to_string(settings_.FastDischargeMinutes));
  }
}

bool FastDischargeOptions::refusedWhileRunning() {
  if (!process_.fastDischargeRunning()) return false;
  refuse();
  return true;
}

void FastDischargeOptions::refuse() {
  alerts::playRefusal(audio_, settings_);
}

void FastDischargeOptions::durationUp() {
  if (refusedWhileRunning()) return;
  std::int32_t& minutes = settings_.FastDischargeMinutes;
  if (minutes < kFineStepLimit) {
    ++minutes;
  } else if (minutes < kMaximumMinutes) {
    // A stored odd value such as 197 stops at the top of the range.
    minutes = std::min(minutes + kCoarseStep, kMaximumMinutes);
  }
  showDuration();
  texts_.set(Page::Calibrate, kTimeLeftCaption, std::to_string(minutes));
}

void FastDischargeOptions::durationDown() {
  if (refusedWhileRunning()) return;
  std::int32_t& minutes = settings_.FastDischargeMinutes;
  if (minutes > kFineStepLimit) {
    minutes -= kCoarseStep;
  } else if (minutes > kMinimumMinutes) {
    --minutes;
  }
  showDuration();
  texts_.set(Page::Calibrate, kTimeLeftCaption, std::to_string(minutes));
}

void FastDischargeOptions::cpuThreadsUp() {
  if (refusedWhileRunning()) return;
  if (settings_.FastDischargeCpuThreads >= kMaximumCpuWorkers) {
    refuse();
    return;
  }
  ++settings_.FastDischargeCpuThreads;
  showCpuThreads();
}

void FastDischargeOptions::cpuThreadsDown() {
  if (refusedWhileRunning()) return;
  if (settings_.FastDischargeCpuThreads < 2) {
    refuse();
    return;
  }
  --settings_.FastDischargeCpuThreads;
  showCpuThreads();
}

void FastDischargeOptions::brightnessUp() {
  if (refusedWhileRunning()) return;
  if (!brightness_.available()) {
    refuse();
    return;
  }
  if (settings_.FastDischargeBrightnessLevel == alerts::kNoBrightnessLevel) return;
  if (auto next = brightness_.nextLevel(settings_.FastDischargeBrightnessLevel)) {
    settings_.FastDischargeBrightnessLevel = *next;
  }
  showBrightness();
}

void FastDischargeOptions::brightnessDown() {
  if (refusedWhileRunning()) return;
  if (!brightness_.available()) {
    refuse();
    return;
  }
  if (settings_.FastDischargeBrightnessLevel == alerts::kNoBrightnessLevel) return;
  if (auto previous = brightness_.previousLevel(settings_.FastDischargeBrightnessLevel)) {
    settings_.FastDischargeBrightnessLevel = *previous;
  }
  showBrightness();
}

void FastDischargeOptions::discPercentUp() {
  if (refusedWhileRunning()) return;
  if (settings_.FastDischargeDiscPercent > kMaximumDiscPercent - 1) {
    refuse();
  } else {
    ++settings_.FastDischargeDiscPercent;
  }
  showDiscPercent();
}

void FastDischargeOptions::discPercentDown() {
  if (refusedWhileRunning()) return;
  if (settings_.FastDischargeDiscPercent < 2) {
    refuse();
  } else {
    --settings_.FastDischargeDiscPercent;
  }
  showDiscPercent();
}

void FastDischargeOptions::toggleCpuLoad() {
  toggle(settings_.FastDischargeCpuLoad, control::kCpuLoadToggle);
}

void FastDischargeOptions::toggleBrightness() {
  toggle(settings_.FastDischargeBrightness, control::kBrightnessToggle);
}

void FastDischargeOptions::toggleDiscActivity() {
  toggle(settings_.FastDischargeDiscActivity, control::kDiscToggle);
}

void FastDischargeOptions::toggle(std::uint8_t& option, int control) {
  if (refusedWhileRunning()) return;
  option = option ? 0 : 1;
  hooks_.redrawControl(control);
}

bool FastDischargeOptions::handleControl(int number) {
  switch (number) {
    case control::kDurationDown:
      durationDown();
      return true;
    case control::kDurationUp:
      durationUp();
      return true;
    case control::kCpuLoadToggle:
      toggleCpuLoad();
      return true;
    case control::kCpuThreadsDown:
      cpuThreadsDown();
      return true;
    case control::kCpuThreadsUp:
      cpuThreadsUp();
      return true;
    case control::kBrightnessToggle:
      toggleBrightness();
      return true;
    case control::kBrightnessDown:
      brightnessDown();
      return true;
    case control::kBrightnessUp:
      brightnessUp();
      return true;
    case control::kDiscToggle:
      toggleDiscActivity();
      return true;
    case control::kDiscPercentDown:
      discPercentDown();
      return true;
    case control::kDiscPercentUp:
      discPercentUp();
      return true;
    default:
      return false;
  }
}

void FastDischargeOptions::showDuration() {
  texts_.set(Page::Calibrate, kDurationCaption, std::to_string(settings_.FastDischargeMinutes));
}

void FastDischargeOptions::showCpuThreads() {
  texts_.set(Page::Calibrate, kCpuLoadCaption, std::to_string(settings_.FastDischargeCpuThreads));
}

void FastDischargeOptions::showBrightness() {
  texts_.set(Page::Calibrate, kBrightnessCaption,
             brightness_.available() ? std::to_string(settings_.FastDischargeBrightnessLevel)
                                     : std::string("None"));
}

void FastDischargeOptions::showDiscPercent() {
  texts_.set(Page::Calibrate, kDiscCaption, std::to_string(settings_.FastDischargeDiscPercent));
}

}  // namespace voltaro::fastdischarge
