// Display brightness as the program uses it: the supported levels, the
// remembered (AC, DC) pairs, the test of the warning level, the tray items,
// and the normalisation of the stored levels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/display.h"
#include "platform/runtime.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"

namespace voltaro::alerts {

struct BrightnessPair {
  std::uint8_t ac = 0;  // percent
  std::uint8_t dc = 0;  // percent
  bool operator==(const BrightnessPair&) const = default;
};

// Value of WarnBrightnessLevel when brightness control is not available.
inline constexpr std::uint8_t kNoBrightnessLevel = 255;
inline constexpr std::size_t kMaximumBrightnessLevels = 256;
inline constexpr std::uint32_t kBrightnessTestMilliseconds = 2000;

// The Alerts page caption of the warning brightness level.
inline constexpr const char* kBrightnessLevelCaption = "Brightness Level";

class BrightnessControl {
 public:
  BrightnessControl(platform::Display& display, platform::Audio& audio, platform::Runtime& runtime,
                    settings::AppSettings& settings, view::ShownTexts& texts);

  // Opens the device anew, takes its level list (available with at least two
  // levels) and normalises WarnBrightnessLevel and
  // FastDischargeBrightnessLevel to members of the list.
  void initBrightness();

  bool available() const { return available_; }
  // The device's levels in its own order; empty when not available.
  const std::vector<std::uint8_t>& levels() const { return levels_; }

  // The current (AC, DC) pair; (0, 0) when not available or the AC query
  // fails, DC 0 when only the DC query fails.
  BrightnessPair queryBrightness();
  bool setBrightness(platform::BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc);

  // The three remembered pairs, each overwritten only by its own query.
  void readPagePair() { pagePair_ = queryBrightness(); }
  void readFastDischargePair() { fastDischargePair_ = queryBrightness(); }
  void readGreenModePair() { greenModePair_ = queryBrightness(); }
  BrightnessPair pagePair() const { return pagePair_; }
  BrightnessPair fastDischargePair() const { return fastDischargePair_; }
  BrightnessPair greenModePair() const { return greenModePair_; }

  // "Test Brightness": the warning level for two seconds, then the page pair.
  // A click during a running test is ignored.
  void testBrightness();
  bool testRunning() const { return testRunning_; }

  // The warning action: the on-battery brightness to WarnBrightnessLevel.
  // Failures are silent.
  void applyWarningBrightness();

  // Tray "Brightness" N %: both policies to N; refusal sound on failure.
  void applyTrayBrightness(std::uint8_t percent);
  // Which tray item 1..10 ("10%".."100%") to check for the current level, on
  // AC power the AC level else the DC level; nullopt checks none. Reads the
  // page pair.
  std::optional<int> trayCheckedItem(bool onPower);

  // Previous and next entry of the level list from `level`, in list order;
  // nullopt at either end or when `level` is not in the list.
  std::optional<std::uint8_t> previousLevel(std::uint8_t level) const;
  std::optional<std::uint8_t> nextLevel(std::uint8_t level) const;

  // "N %" or "None" for the Alerts page.
  std::string levelCaption() const;
  void showLevelCaption();

 private:
  bool contains(std::uint8_t level) const;
  void normaliseStoredLevels();

  platform::Display& display_;
  platform::Audio& audio_;
  platform::Runtime& runtime_;
  settings::AppSettings& settings_;
  view::ShownTexts& texts_;

  bool available_ = false;
  std::vector<std::uint8_t> levels_;
  BrightnessPair pagePair_;
  BrightnessPair fastDischargePair_;
  BrightnessPair greenModePair_;
  bool testRunning_ = false;
};

// The tray item 1..10 for a brightness level: the level in tens, truncated
// (95 -> 9, 5 -> none); nullopt outside 1..10.
std::optional<int> trayItemForLevel(std::uint8_t level);

}  // namespace voltaro::alerts
