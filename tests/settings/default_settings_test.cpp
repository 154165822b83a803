#include "settings/default_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_settings_hooks.h"

namespace voltaro::settings {
namespace {

using fakes::FakeSettingsHooks;

bool called(const FakeSettingsHooks& hooks, const std::string& call) {
  return std::find(hooks.calls.begin(), hooks.calls.end(), call) != hooks.calls.end();
}

// Every field the action sets, put to the opposite of its result.
AppSettings farFromDefaults() {
  AppSettings s;
  s.BalloonHints = 0;
  s.WarningEnabled = 1;
  s.WarningInMinutes = 1;
  s.WarningLevel = 60;
  s.CriticalEnabled = 1;
  s.CriticalInMinutes = 1;
  s.CriticalLevel = 20;
  s.AutoRun = 0;
  s.DischargeLog = 1;
  s.SmoothGraphics = 1;
  s.CritSystemHibernate = 1;
  s.WarnMuteSpeakers = 1;
  s.WarnDisableAero = 1;
  s.WarnAdjustBrightness = 1;
  s.EnableAeroOnAC = 1;
  s.PlaySounds = 0;
  s.PlayVoices = 0;
  s.CritForceStandby = 1;
  s.CritForceHibernate = 1;
  s.CalibrationLog = 1;
  s.ExitConfirmation = 0;
  s.CritShowMessage = 0;
  s.GadgetShowTimeRemaining = 1;
  s.GadgetShowCapacity = 0;
  s.WarnLaunchProgram = 1;
  s.TaskPriority = 3;
  s.GadgetShowCpuUsage = 0;
  s.ShowGadgetHints = 0;
  s.ShowIconMenu = 1;
  s.FilledGraphics = 0;
  s.DischargeLine = 0;
  s.ShowBatteryAdvice = 0;
  // Left alone by the action.
  s.WarnBrightnessLevel = 40;
  s.LaunchProgramPath = "/opt/tool";
  s.DigitGrouping = 2;
  s.FastDischargeMinutes = 90;
  s.FastDischargeCpuLoad = 1;
  s.FastDischargeBrightness = 1;
  s.FastDischargeDiscActivity = 1;
  s.FastDischargeBrightnessLevel = 30;
  s.FastDischargeDiscPercent = 50;
  s.FastDischargeCpuThreads = 4;
  return s;
}

TEST(DefaultSettings, SetsTheDefaultColumnAndLeavesTheRest) {
  AppSettings s = farFromDefaults();
  FakeSettingsHooks hooks;
  applyDefaultSettings(s, hooks);

  AppSettings expected;  // the fresh defaults, apart from the differences below
  expected.TaskPriority = 1;
  expected.GadgetShowCpuUsage = 1;
  expected.WarnBrightnessLevel = 40;
  expected.LaunchProgramPath = "/opt/tool";
  expected.DigitGrouping = 2;
  expected.FastDischargeMinutes = 90;
  expected.FastDischargeCpuLoad = 1;
  expected.FastDischargeBrightness = 1;
  expected.FastDischargeDiscActivity = 1;
  expected.FastDischargeBrightnessLevel = 30;
  expected.FastDischargeDiscPercent = 50;
  expected.FastDischargeCpuThreads = 4;
  EXPECT_EQ(s, expected);

  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::BalloonHints, true)));
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::BatteryCapacity, true)));
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::TimeRemaining, false)));
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::CpuUsage, true)));
  EXPECT_TRUE(called(hooks, "priority item 1"));
  EXPECT_TRUE(called(hooks, "autorun 1"));
  EXPECT_EQ(hooks.calls.back(), "redraw pages");
  // The gadget was already as the defaults want it: none of its effects run.
  EXPECT_FALSE(called(hooks, "relayout"));
  EXPECT_FALSE(called(hooks, "show gadget"));
  EXPECT_FALSE(called(hooks, "apply opacity"));
  EXPECT_FALSE(called(hooks, "gadget on top 0"));
}

TEST(DefaultSettings, BatteryOnTopBecomesAnOrdinaryWindow) {
  AppSettings s;
  s.BatteryOnTop = 1;
  FakeSettingsHooks hooks;
  applyDefaultSettings(s, hooks);
  EXPECT_EQ(s.BatteryOnTop, 0);
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::AlwaysOnTop, false)));
  EXPECT_TRUE(called(hooks, "gadget on top 0"));
}

TEST(DefaultSettings, HiddenGadgetShowsAgainAndOpacityGoesBackTo100) {
  AppSettings s;
  s.ShowBatteryGadget = 0;
  s.GadgetOpacity = 40;
  FakeSettingsHooks hooks;
  applyDefaultSettings(s, hooks);
  EXPECT_EQ(s.ShowBatteryGadget, 1);
  EXPECT_EQ(s.GadgetOpacity, 100);
  EXPECT_TRUE(called(hooks, "show gadget"));
  const auto item = std::find(hooks.calls.begin(), hooks.calls.end(), "opacity item 100");
  const auto apply = std::find(hooks.calls.begin(), hooks.calls.end(), "apply opacity");
  ASSERT_NE(item, hooks.calls.end());
  ASSERT_NE(apply, hooks.calls.end());
  EXPECT_LT(item, apply);
}

// Each re-layout saves the record as it stands: the size and style are
// already back, the priority and CPU-usage values set later are not yet.
TEST(DefaultSettings, RelayoutsSeeTheValuesOfTheirMoment) {
  AppSettings s;
  s.SmallSizeGadget = 0;
  s.Style3DGadget = 0;
  s.TaskPriority = 3;
  s.WarningLevel = 60;
  FakeSettingsHooks hooks;
  hooks.watched = &s;
  applyDefaultSettings(s, hooks);
  ASSERT_EQ(hooks.atRelayout.size(), 2u);
  EXPECT_EQ(hooks.atRelayout[0].SmallSizeGadget, 1);
  EXPECT_EQ(hooks.atRelayout[0].Style3DGadget, 0);
  EXPECT_EQ(hooks.atRelayout[1].Style3DGadget, 1);
  EXPECT_EQ(hooks.atRelayout[1].WarningLevel, 30);
  EXPECT_EQ(hooks.atRelayout[1].TaskPriority, 3);
  EXPECT_EQ(hooks.atRelayout[1].GadgetShowCpuUsage, 0);
  EXPECT_EQ(s.TaskPriority, 1);
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::SmallSize, true)));
  EXPECT_TRUE(called(hooks, FakeSettingsHooks::check(TrayCheck::Style3D, true)));
}

}  // namespace
}  // namespace voltaro::settings
