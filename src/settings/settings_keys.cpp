// The main window's hidden keys that change settings, and the "Default
// Settings" question.
#include "settings/settings_keys.h"

#include <array>
#include <string_view>

#include "common/text_format.h"
#include "platform/audio.h"
#include "settings/settings_hooks.h"
#include "settings/settings_store.h"
#include "view/shown_texts.h"

namespace voltaro::settings {
namespace {

constexpr std::array<std::string_view, 9> kInformationNumbers = {
    "Designed Capacity", "Full Charged Capacity", "Current Capacity",
    "Capacity Drop",     "Battery Voltage",       "Charge Rate",
    "Warning Alert",     "Low Level Alert",       "Critical Bias",
};
constexpr std::string_view kCalibrateNumber = "Maximum Capacity";

void regroupCaption(view::ShownTexts& texts, view::Page page, std::string_view caption,
                    std::uint8_t grouping) {
  if (!texts.has(page, caption)) return;
  texts.set(page, caption, regroupdigits(texts.get(page, caption), grouping));
}

}  // namespace

std::uint8_t nextDigitGrouping(std::uint8_t current, char key) {
  switch (key) {
    case ',':
      return current == 1 ? 0 : 1;
    case '.':
      return current == 2 ? 0 : 2;
    case ' ':
      return 0;
  }
  return current;
}

void regroupShownNumbers(view::ShownTexts& texts, std::uint8_t grouping) {
  for (std::string_view caption : kInformationNumbers) {
    regroupCaption(texts, view::Page::Information, caption, grouping);
  }
  regroupCaption(texts, view::Page::Calibrate, kCalibrateNumber, grouping);
}

SettingsKeys::SettingsKeys(AppSettings& settings, SettingsStore& store, SettingsHooks& hooks,
                           platform::Audio& audio, view::ShownTexts& texts)
    : settings_(settings), store_(store), hooks_(hooks), audio_(audio), texts_(texts) {}

bool SettingsKeys::pressKey(char key) {
  if (key == ',' || key == '.' || key == ' ') {
    settings_.DigitGrouping = nextDigitGrouping(settings_.DigitGrouping, key);
    regroupShownNumbers(texts_, settings_.DigitGrouping);
    return true;
  }
  if (key == 'B' || key == 'b') {
    toggleBalloonHints();
    return true;
  }
  return false;
}

void SettingsKeys::toggleBalloonHints() {
  settings_.BalloonHints = settings_.BalloonHints != 0 ? 0 : 1;
  const bool on = settings_.BalloonHints != 0;
  hooks_.setTrayCheck(TrayCheck::BalloonHints, on);
  store_.saveSettings(settings_);
  if (settings_.PlaySounds != 0) audio_.play(platform::Clip::Refusal);
  hooks_.askConfirmation(kHintsNoticeCode,
                         {"Hints", "", on ? "Balloon hints are ON" : "Balloon hints are OFF", ""},
                         view::ConfirmationMode::Ok);
}

void SettingsKeys::askDefaultSettings() {
  hooks_.askConfirmation(kDefaultSettingsQuestionCode,
                         {"Confirmation", "", "Do you want to load the default settings?", ""},
                         view::ConfirmationMode::YesNo);
}

}  // namespace voltaro::settings
