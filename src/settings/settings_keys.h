// The main window's hidden keys that change settings (",", ".", space and
// "B"), and the "Default Settings" question.
#pragma once

#include <cstdint>

#include "settings/app_settings.h"

namespace voltaro::platform {
class Audio;
}
namespace voltaro::view {
class ShownTexts;
}

namespace voltaro::settings {

class SettingsHooks;
class SettingsStore;

// The grouping that a key gives: "," toggles 1 and 0, "." toggles 2 and 0,
// space gives 0; any other key keeps `current`.
std::uint8_t nextDigitGrouping(std::uint8_t current, char key);

// Rewrites the ten numeric captions (nine on the Information page, "Maximum
// Capacity" on the Calibrate page) in `grouping`. Captions never shown and
// texts without digits ("None") are left as they are.
void regroupShownNumbers(view::ShownTexts& texts, std::uint8_t grouping);

// Pending dialog codes used here. The "Hints" notice borrows the code of
// another notice, whose answers carry no action.
inline constexpr std::uint8_t kDefaultSettingsQuestionCode = 38;  // YES = 39
inline constexpr std::uint8_t kHintsNoticeCode = 16;

class SettingsKeys {
 public:
  SettingsKeys(AppSettings& settings, SettingsStore& store, SettingsHooks& hooks,
               platform::Audio& audio, view::ShownTexts& texts);

  // Handles a key of the main window (letters in either case); false when the
  // key is not one of these.
  bool pressKey(char key);

  // "B": flips `BalloonHints`, checks the tray item, saves, plays the alert
  // clip when sounds are on and shows the "Hints" notice.
  void toggleBalloonHints();

  // Asks "Do you want to load the default settings?"; YES comes back as
  // code 39, whose action is applyDefaultSettings.
  void askDefaultSettings();

 private:
  AppSettings& settings_;
  SettingsStore& store_;
  SettingsHooks& hooks_;
  platform::Audio& audio_;
  view::ShownTexts& texts_;
};

}  // namespace voltaro::settings
