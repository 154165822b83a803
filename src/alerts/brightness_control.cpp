#include "alerts/brightness_control.h"

#include <algorithm>

#include "alerts/sounds.h"

namespace voltaro::alerts {

using platform::BrightnessPolicy;

BrightnessControl::BrightnessControl(platform::Display& display, platform::Audio& audio,
                                     platform::Runtime& runtime, settings::AppSettings& settings,
                                     view::ShownTexts& texts)
    : display_(display), audio_(audio), runtime_(runtime), settings_(settings), texts_(texts) {}

void BrightnessControl::initBrightness() {
  levels_ = display_.openBrightness();
  if (levels_.size() > kMaximumBrightnessLevels) levels_.resize(kMaximumBrightnessLevels);
  // A single level cannot be adjusted: such a device counts as none.
  available_ = levels_.size() >= 2;
  if (!available_) levels_.clear();
  normaliseStoredLevels();
  showLevelCaption();
}

void BrightnessControl::normaliseStoredLevels() {
  if (available_) {
    if (!contains(settings_.WarnBrightnessLevel)) settings_.WarnBrightnessLevel = levels_.front();
    if (!contains(settings_.FastDischargeBrightnessLevel)) {
      settings_.FastDischargeBrightnessLevel = levels_.back();
    }
    return;
  }
  settings_.WarnBrightnessLevel = kNoBrightnessLevel;
  // Without a list there is no last entry to take: the stored fast-discharge
  // level is left alone, and the fast discharge cannot set it anyway.
}

bool BrightnessControl::contains(std::uint8_t level) const {
  return std::find(levels_.begin(), levels_.end(), level) != levels_.end();
}

BrightnessPair BrightnessControl::queryBrightness() {
  if (!available_) return {};
  const auto ac = display_.queryBrightness(BrightnessPolicy::Ac);
  if (!ac) return {};
  const auto dc = display_.queryBrightness(BrightnessPolicy::Dc);
  return BrightnessPair{*ac, dc.value_or(0)};
}

bool BrightnessControl::setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) {
  if (!available_) return false;
  return display_.setBrightness(policy, ac, dc);
}

void BrightnessControl::testBrightness() {
  if (!available_) {
    playRefusal(audio_, settings_);
    return;
  }
  if (testRunning_) return;
  testRunning_ = true;
  const std::uint8_t level = settings_.WarnBrightnessLevel;
  if (!setBrightness(BrightnessPolicy::Both, level, level)) playRefusal(audio_, settings_);
  platform::delay(runtime_, kBrightnessTestMilliseconds);
  if (!setBrightness(BrightnessPolicy::Both, pagePair_.ac, pagePair_.dc)) {
    playRefusal(audio_, settings_);
  }
  testRunning_ = false;
}

void BrightnessControl::applyWarningBrightness() {
  const std::uint8_t level = settings_.WarnBrightnessLevel;
  setBrightness(BrightnessPolicy::Dc, level, level);
}

void BrightnessControl::applyTrayBrightness(std::uint8_t percent) {
  if (!setBrightness(BrightnessPolicy::Both, percent, percent)) playRefusal(audio_, settings_);
}

std::optional<int> BrightnessControl::trayCheckedItem(bool onPower) {
  readPagePair();
  if (!available_) return std::nullopt;
  return trayItemForLevel(onPower ? pagePair_.ac : pagePair_.dc);
}

std::optional<std::uint8_t> BrightnessControl::previousLevel(std::uint8_t level) const {
  const auto it = std::find(levels_.begin(), levels_.end(), level);
  if (it == levels_.end() || it == levels_.begin()) return std::nullopt;
  return *(it - 1);
}

std::optional<std::uint8_t> BrightnessControl::nextLevel(std::uint8_t level) const {
  const auto it = std::find(levels_.begin(), levels_.end(), level);
  if (it == levels_.end() || it + 1 == levels_.end()) return std::nullopt;
  return *(it + 1);
}

std::string BrightnessControl::levelCaption() const {
  if (!available_) return "None";
  return std::to_string(settings_.WarnBrightnessLevel) + " %";
}

void BrightnessControl::showLevelCaption() {
  texts_.set(view::Page::Alerts, kBrightnessLevelCaption, levelCaption());
}

std::optional<int> trayItemForLevel(std::uint8_t level) {
  const int item = level / 10;
  if (item < 1 || item > 10) return std::nullopt;
  return item;
}

}  // namespace voltaro::alerts
