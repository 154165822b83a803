#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_settings_hooks.h"
#include "settings/settings_store.h"
#include "settings_test_folder.h"
#include "view/shown_texts.h"

namespace voltaro::settings {
namespace {

using view::Page;

TEST(DigitGroupingKeys, TogglesBetweenTheKeysSettingAndNone) {
  EXPECT_EQ(nextDigitGrouping(nextDigitGrouping(0, ','), ','), 0);
  EXPECT_EQ(nextDigitGrouping(nextDigitGrouping(1, ','), ','), 1);
  EXPECT_EQ(nextDigitGrouping(2, ','), 1);
  EXPECT_EQ(nextDigitGrouping(nextDigitGrouping(0, ','), '.'), 2);
  EXPECT_EQ(nextDigitGrouping(2, '.'), 0);
  EXPECT_EQ(nextDigitGrouping(2, ' '), 0);
  EXPECT_EQ(nextDigitGrouping(2, 'x'), 2);
}

class SettingsKeysTest : public testing::TestFolder {
 protected:
  void SetUp() override {
    TestFolder::SetUp();
    store = std::make_unique<SettingsStore>(folder(), errors);
    keys = std::make_unique<SettingsKeys>(settings, *store, hooks, audio, texts);
  }
  AppSettings settings;
  fakes::FakeErrorReport errors;
  fakes::FakeSettingsHooks hooks;
  fakes::FakeAudio audio;
  view::ShownTexts texts;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<SettingsKeys> keys;
};

TEST_F(SettingsKeysTest, GroupingKeysRegroupTheTenNumericCaptions) {
  texts.set(Page::Information, "Designed Capacity", "48,840");
  texts.set(Page::Information, "Full Charged Capacity", "45,000");
  texts.set(Page::Information, "Current Capacity", "30,123");
  texts.set(Page::Information, "Capacity Drop", "3,840");
  texts.set(Page::Information, "Battery Voltage", "12,100");
  texts.set(Page::Information, "Charge Rate", "-1,234");
  texts.set(Page::Information, "Warning Alert", "2,442");
  texts.set(Page::Information, "Low Level Alert", "1,221");
  texts.set(Page::Information, "Critical Bias", "0");
  texts.set(Page::Calibrate, "Maximum Capacity", "46,010");
  texts.set(Page::Information, "Temperature", "30,5");  // not one of the ten
  texts.set(Page::LeftColumn, "Cycles", "1,200");

  ASSERT_TRUE(keys->pressKey('.'));
  EXPECT_EQ(settings.DigitGrouping, 2);
  EXPECT_EQ(texts.get(Page::Information, "Designed Capacity"), "48.840");
  EXPECT_EQ(texts.get(Page::Information, "Full Charged Capacity"), "45.000");
  EXPECT_EQ(texts.get(Page::Information, "Current Capacity"), "30.123");
  EXPECT_EQ(texts.get(Page::Information, "Capacity Drop"), "3.840");
  EXPECT_EQ(texts.get(Page::Information, "Battery Voltage"), "12.100");
  EXPECT_EQ(texts.get(Page::Information, "Charge Rate"), "-1.234");
  EXPECT_EQ(texts.get(Page::Information, "Warning Alert"), "2.442");
  EXPECT_EQ(texts.get(Page::Information, "Low Level Alert"), "1.221");
  EXPECT_EQ(texts.get(Page::Information, "Critical Bias"), "0");
  EXPECT_EQ(texts.get(Page::Calibrate, "Maximum Capacity"), "46.010");
  EXPECT_EQ(texts.get(Page::Information, "Temperature"), "30,5");
  EXPECT_EQ(texts.get(Page::LeftColumn, "Cycles"), "1,200");

  ASSERT_TRUE(keys->pressKey(' '));
  EXPECT_EQ(settings.DigitGrouping, 0);
  EXPECT_EQ(texts.get(Page::Information, "Designed Capacity"), "48840");
  EXPECT_TRUE(errors.messages.empty());
  EXPECT_FALSE(exists("voltaro.ini"));  // grouping changes live in memory only
}

TEST_F(SettingsKeysTest, RegroupingLeavesUnknownAndUnshownValues) {
  texts.set(Page::Information, "Charge Rate", "None");
  ASSERT_TRUE(keys->pressKey(','));
  EXPECT_EQ(texts.get(Page::Information, "Charge Rate"), "None");
  EXPECT_FALSE(texts.has(Page::Information, "Designed Capacity"));
  EXPECT_FALSE(texts.has(Page::Calibrate, "Maximum Capacity"));
}

TEST_F(SettingsKeysTest, BKeyFlipsSavesSoundsAndTells) {
  ASSERT_TRUE(keys->pressKey('b'));
  EXPECT_EQ(settings.BalloonHints, 0);
  EXPECT_EQ(hooks.calls, std::vector<std::string>{
                             fakes::FakeSettingsHooks::check(TrayCheck::BalloonHints, false)});
  ASSERT_EQ(readRaw("voltaro.ini").size(), 51u);
  EXPECT_EQ(readRaw("voltaro.ini")[50], 0);
  EXPECT_EQ(audio.played, std::vector<platform::Clip>{platform::Clip::Refusal});
  ASSERT_EQ(hooks.asked.size(), 1u);
  EXPECT_EQ(hooks.asked[0].code, kHintsNoticeCode);
  EXPECT_EQ(hooks.asked[0].texts,
            (view::ConfirmationTexts{"Hints", "", "Balloon hints are OFF", ""}));
  EXPECT_EQ(hooks.asked[0].mode, view::ConfirmationMode::Ok);

  settings.PlaySounds = 0;
  ASSERT_TRUE(keys->pressKey('B'));
  EXPECT_EQ(settings.BalloonHints, 1);
  EXPECT_EQ(readRaw("voltaro.ini")[50], 1);
  EXPECT_EQ(audio.played.size(), 1u);
  EXPECT_EQ(hooks.asked.back().texts.line1, "Balloon hints are ON");
}

TEST_F(SettingsKeysTest, OtherKeysAreNotHandled) {
  EXPECT_FALSE(keys->pressKey('P'));
  EXPECT_FALSE(keys->pressKey('G'));
  EXPECT_EQ(settings, AppSettings{});
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(SettingsKeysTest, DefaultSettingsQuestion) {
  keys->askDefaultSettings();
  ASSERT_EQ(hooks.asked.size(), 1u);
  EXPECT_EQ(hooks.asked[0].code, 38);
  EXPECT_EQ(hooks.asked[0].texts,
            (view::ConfirmationTexts{"Confirmation", "",
                                     "Do you want to load the default settings?", ""}));
  EXPECT_EQ(hooks.asked[0].mode, view::ConfirmationMode::YesNo);
}

}  // namespace
}  // namespace voltaro::settings
