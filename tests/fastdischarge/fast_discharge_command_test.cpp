// The fast-discharge questions and the option buttons with their refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fast_discharge_rig.h"

namespace voltaro::fastdischarge::testing {
namespace {

using ::testing::ElementsAre;
using view::ConfirmationTexts;

class FastDischargeCommandTest : public FastDischargeTest {
 protected:
  void SetUp() override { rig.start(); }
  int refusals() const {
    return static_cast<int>(
        std::count(rig.audio.played.begin(), rig.audio.played.end(), platform::Clip::Refusal));
  }
};

TEST_F(FastDischargeCommandTest, TheStartQuestionNamesTheDurationInMinutes) {
  rig.settings.FastDischargeMinutes = 1;
  rig.process.fastDischargeCommand();
  EXPECT_EQ(rig.confirmation.last().texts,
            (ConfirmationTexts{
                "Confirmation", "Fast discharge can cause overheating, proceed at your own risk!",
                "This process will run for 1 minute. Do you want to start it?", ""}));
  EXPECT_EQ(rig.confirmation.last().mode, view::ConfirmationMode::YesNo);
  EXPECT_EQ(rig.dialog.code(), 8);
  rig.settings.FastDischargeMinutes = 5;
  rig.process.fastDischargeCommand();
  EXPECT_EQ(rig.confirmation.last().texts.line1,
            "This process will run for 5 minutes. Do you want to start it?");
  // NO starts nothing.
  rig.dialog.answerNo();
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_FALSE(rig.process.endTimerRunning());
}

TEST_F(FastDischargeCommandTest, OnExternalPowerItAsksToUnplugAgainUntilUnplugged) {
  rig.driver.plug();
  rig.advance(3000);
  ASSERT_TRUE(rig.live.onPower);
  const ConfirmationTexts unplug{"Confirmation", "In order to start the Fast Discharge process",
                                 "you have to unplug the laptop power cord now!",
                                 "Press YES when ready or NO to cancel"};
  rig.process.fastDischargeCommand();
  EXPECT_EQ(rig.confirmation.last().texts, unplug);
  EXPECT_EQ(rig.dialog.code(), 5);
  rig.dialog.answerYes();  // still on AC
  ASSERT_EQ(rig.confirmation.shown.size(), 2u);
  EXPECT_EQ(rig.confirmation.last().texts, unplug);

  rig.driver.unplug();
  rig.advance(3000);
  rig.dialog.answerYes();
  ASSERT_EQ(rig.confirmation.shown.size(), 3u);
  EXPECT_EQ(rig.dialog.code(), 8);
  rig.dialog.answerYes();
  EXPECT_TRUE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "On");
}

TEST_F(FastDischargeCommandTest, WhileRunningTheCommandAsksToStop) {
  rig.startWithYes();
  ASSERT_TRUE(rig.process.fastDischargeRunning());
  rig.process.fastDischargeCommand();
  EXPECT_EQ(rig.confirmation.last().texts,
            (ConfirmationTexts{"Confirmation", "Fast Discharge process is already running!",
                               "Do you want to stop it?", ""}));
  EXPECT_EQ(rig.dialog.code(), 2);
  rig.dialog.answerNo();
  EXPECT_TRUE(rig.process.fastDischargeRunning());
  rig.process.fastDischargeCommand();
  rig.dialog.answerYes();
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "Off");
}

TEST_F(FastDischargeCommandTest, DurationStepsByOneBelowTenAndByFiveAbove) {
  rig.settings.FastDischargeMinutes = 9;
  rig.options.durationUp();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 10);
  rig.options.durationUp();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 15);
  EXPECT_EQ(rig.text("Duration"), "15");
  EXPECT_EQ(rig.text("Time Left"), "15");
  rig.options.durationDown();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 10);
  rig.options.durationDown();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 9);
  EXPECT_EQ(rig.text("Time Left"), "9");

  rig.settings.FastDischargeMinutes = 1;
  rig.options.durationDown();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 1);
  rig.settings.FastDischargeMinutes = 200;
  rig.options.durationUp();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 200);
  rig.settings.FastDischargeMinutes = 197;  // not on the usual steps
  rig.options.durationUp();
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 200);
  EXPECT_EQ(refusals(), 0);
}

TEST_F(FastDischargeCommandTest, ThreadsAndDiscPercentRefuseBeyondTheirRanges) {
  rig.settings.FastDischargeCpuThreads = 4;
  rig.options.cpuThreadsUp();
  EXPECT_EQ(refusals(), 1);
  EXPECT_EQ(rig.settings.FastDischargeCpuThreads, 4);
  rig.options.cpuThreadsDown();
  EXPECT_EQ(rig.text("Add CPU Load"), "3");
  rig.settings.FastDischargeCpuThreads = 1;
  rig.options.cpuThreadsDown();
  EXPECT_EQ(refusals(), 2);
  EXPECT_EQ(rig.settings.FastDischargeCpuThreads, 1);

  rig.settings.FastDischargeDiscPercent = 100;
  rig.texts.set(view::Page::Calibrate, "Disc Activity", "stale");
  rig.options.discPercentUp();
  EXPECT_EQ(refusals(), 3);
  EXPECT_EQ(rig.text("Disc Activity"), "100");  // rewritten even when refused
  rig.settings.FastDischargeDiscPercent = 1;
  rig.options.discPercentDown();
  EXPECT_EQ(refusals(), 4);
  EXPECT_EQ(rig.settings.FastDischargeDiscPercent, 1);
  rig.options.discPercentUp();
  EXPECT_EQ(rig.settings.FastDischargeDiscPercent, 2);
}

TEST_F(FastDischargeCommandTest, BrightnessMovesAlongTheSupportedLevels) {
  // 255 (none chosen) becomes the last level when the page is shown.
  rig.settings.FastDischargeBrightnessLevel = 255;
  rig.brightness.initBrightness();
  rig.settings.FastDischargeBrightnessLevel = 255;
  rig.options.showCaptions();
  EXPECT_EQ(rig.settings.FastDischargeBrightnessLevel, 100);
  EXPECT_EQ(rig.text("Brightness Level"), "100");
  rig.options.brightnessUp();  // at the end of the list
  EXPECT_EQ(rig.settings.FastDischargeBrightnessLevel, 100);
  rig.options.brightnessDown();
  rig.options.brightnessDown();
  EXPECT_EQ(rig.settings.FastDischargeBrightnessLevel, 40);
  EXPECT_EQ(rig.text("Brightness Level"), "40");
  rig.options.brightnessDown();
  rig.options.brightnessDown();
  EXPECT_EQ(rig.settings.FastDischargeBrightnessLevel, 10);
  EXPECT_EQ(refusals(), 0);
}

TEST_F(FastDischargeCommandTest, WithoutBrightnessControlTheLevelShowsNoneAndRefuses) {
  rig.display.supportedLevels = {};
  rig.brightness.initBrightness();
  rig.options.showCaptions();
  EXPECT_EQ(rig.text("Brightness Level"), "None");
  rig.options.brightnessUp();
  rig.options.brightnessDown();
  EXPECT_EQ(refusals(), 2);
}

TEST_F(FastDischargeCommandTest, EveryOptionIsRefusedWhileRunning) {
  rig.settings.FastDischargeMinutes = 5;
  rig.startWithYes();
  ASSERT_TRUE(rig.process.fastDischargeRunning());
  const settings::AppSettings before = rig.settings;
  for (int control = 69; control <= 79; ++control) {
    EXPECT_TRUE(rig.options.handleControl(control));
  }
  EXPECT_EQ(refusals(), 11);
  EXPECT_EQ(rig.settings.FastDischargeMinutes, before.FastDischargeMinutes);
  EXPECT_EQ(rig.settings.FastDischargeCpuLoad, before.FastDischargeCpuLoad);
  EXPECT_EQ(rig.settings.FastDischargeCpuThreads, before.FastDischargeCpuThreads);
  EXPECT_EQ(rig.settings.FastDischargeBrightness, before.FastDischargeBrightness);
  EXPECT_EQ(rig.settings.FastDischargeDiscActivity, before.FastDischargeDiscActivity);
  EXPECT_EQ(rig.settings.FastDischargeDiscPercent, before.FastDischargeDiscPercent);
  EXPECT_TRUE(rig.redraws.controls.empty());
  EXPECT_FALSE(rig.options.handleControl(68));
}

TEST_F(FastDischargeCommandTest, TogglesFlipTheirOptionAndRedrawTheirImage) {
  rig.options.toggleCpuLoad();
  rig.options.toggleBrightness();
  rig.options.toggleDiscActivity();
  EXPECT_EQ(rig.settings.FastDischargeCpuLoad, 1);
  EXPECT_EQ(rig.settings.FastDischargeBrightness, 1);
  EXPECT_EQ(rig.settings.FastDischargeDiscActivity, 1);
  rig.options.toggleCpuLoad();
  EXPECT_EQ(rig.settings.FastDischargeCpuLoad, 0);
  EXPECT_THAT(rig.redraws.controls, ElementsAre(71, 74, 77, 71));
}

TEST_F(FastDischargeCommandTest, TheTickCountsTheTimeLeftWhileRunning) {
  rig.settings.FastDischargeMinutes = 3;
  rig.options.showCaptions();
  EXPECT_EQ(rig.text("Time Left"), "3");
  rig.startWithYes();
  EXPECT_EQ(rig.process.minutesLeft(), 3);
  // The start came with tick 3; the tick writes "Time Left" on ticks 6, 11,
  // ... At tick 66, 63 s after the start, 1.95 minutes are left.
  rig.advance(63000);
  EXPECT_EQ(rig.process.minutesLeft(), 2);  // rounded
  EXPECT_EQ(rig.text("Time Left"), "1");    // the tick truncates
}

}  // namespace
}  // namespace voltaro::fastdischarge::testing
