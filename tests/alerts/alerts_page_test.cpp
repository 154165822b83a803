#include "alerts/alerts_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "alerts_fixture.h"

namespace voltaro::alerts {
namespace {

using platform::Clip;
using ::testing::ElementsAre;

class AlertsPageTest : public ::testing::Test {
 protected:
  const std::string& caption(const char* name) { return w.texts.get(view::Page::Alerts, name); }
  testing::AlertsWorld w;
};

TEST(AlertLevels, PlainAndShiftStepsStayWithinOneToNinetyNine) {
  EXPECT_EQ(levelAfterMinus(5, true), 1);
  EXPECT_EQ(levelAfterMinus(11, true), 1);
  EXPECT_EQ(levelAfterMinus(12, true), 2);
  EXPECT_EQ(levelAfterMinus(2, false), 1);
  EXPECT_EQ(levelAfterMinus(1, false), 1);
  EXPECT_EQ(levelAfterPlus(95, true), 99);
  EXPECT_EQ(levelAfterPlus(89, true), 99);
  EXPECT_EQ(levelAfterPlus(88, true), 98);
  EXPECT_EQ(levelAfterPlus(98, false), 99);
  EXPECT_EQ(levelAfterPlus(99, false), 99);
}

TEST_F(AlertsPageTest, LevelCaptionsFollowTheClickThatWroteThem) {
  w.settings.WarningLevel = 30;
  w.settings.CriticalLevel = 5;
  w.page.showTexts();
  EXPECT_EQ(caption(kWarningLevelCaption), "30 %");
  EXPECT_EQ(caption(kCriticalLevelCaption), "5 %");

  w.page.toggleMinutes(AlertColumn::Warning);
  EXPECT_EQ(caption(kWarningLevelCaption), "30 m");
  w.page.levelPlus(AlertColumn::Warning, true);
  EXPECT_EQ(w.settings.WarningLevel, 40);
  EXPECT_EQ(caption(kWarningLevelCaption), "40 min");
  w.page.toggleMinutes(AlertColumn::Warning);
  EXPECT_EQ(caption(kWarningLevelCaption), "40 %");

  w.page.levelMinus(AlertColumn::Critical, true);
  EXPECT_EQ(w.settings.CriticalLevel, 1);
  EXPECT_EQ(caption(kCriticalLevelCaption), "1 %");
  EXPECT_EQ(w.settings.WarningLevel, 40);
}

TEST_F(AlertsPageTest, SwitchingAnAlertOnReArmsItSwitchingOffDoesNot) {
  w.settings.WarningEnabled = 1;
  w.settings.WarningLevel = 30;
  const AlertInputs low{false, false, 20, 3600};
  w.rules.evaluateAlerts(low);
  ASSERT_TRUE(w.rules.warningFired());

  w.page.toggleEnabled(AlertColumn::Warning);  // off
  EXPECT_EQ(w.settings.WarningEnabled, 0);
  EXPECT_TRUE(w.rules.warningFired());
  w.page.toggleEnabled(AlertColumn::Warning);  // on again
  EXPECT_FALSE(w.rules.warningFired());
  w.rules.evaluateAlerts(low);
  EXPECT_TRUE(w.rules.warningFired());

  w.settings.CriticalEnabled = 1;
  w.settings.CriticalLevel = 25;
  w.rules.evaluateAlerts(low);
  ASSERT_TRUE(w.rules.criticalFired());
  w.page.toggleEnabled(AlertColumn::Critical);
  w.page.toggleEnabled(AlertColumn::Critical);
  EXPECT_FALSE(w.rules.criticalFired());
  EXPECT_TRUE(w.rules.warningFired());
}

TEST_F(AlertsPageTest, CriticalPowerActionsAreMutuallyExclusive) {
  auto state = [&] {
    return std::vector<int>{w.settings.CritMonitorOff, w.settings.CritSystemStandby,
                            w.settings.CritSystemHibernate};
  };
  w.page.toggleCriticalAction(CriticalPowerAction::MonitorOff);
  EXPECT_THAT(state(), ElementsAre(1, 0, 0));
  w.page.toggleCriticalAction(CriticalPowerAction::SystemHibernate);
  EXPECT_THAT(state(), ElementsAre(0, 0, 1));
  w.page.toggleCriticalAction(CriticalPowerAction::SystemStandby);
  EXPECT_THAT(state(), ElementsAre(0, 1, 0));
  w.page.toggleCriticalAction(CriticalPowerAction::SystemStandby);
  EXPECT_THAT(state(), ElementsAre(0, 0, 0));
  // The force flags are separate switches.
  w.settings.CritForceStandby = 1;
  w.page.toggleCriticalAction(CriticalPowerAction::MonitorOff);
  EXPECT_EQ(w.settings.CritForceStandby, 1);
}

TEST_F(AlertsPageTest, BrightnessButtonsWalkTheListAndStopAtItsEnds) {
  w.display.supportedLevels = {50, 20, 80};
  w.settings.WarnBrightnessLevel = 50;
  w.brightness.initBrightness();
  w.page.brightnessPlus();
  EXPECT_EQ(w.settings.WarnBrightnessLevel, 20);
  EXPECT_EQ(caption(kBrightnessLevelCaption), "20 %");
  w.page.brightnessPlus();
  w.page.brightnessPlus();
  EXPECT_EQ(w.settings.WarnBrightnessLevel, 80);
  w.page.brightnessMinus();
  w.page.brightnessMinus();
  w.page.brightnessMinus();
  EXPECT_EQ(w.settings.WarnBrightnessLevel, 50);
  EXPECT_EQ(caption(kBrightnessLevelCaption), "50 %");
  EXPECT_TRUE(w.audio.played.empty());
}

TEST_F(AlertsPageTest, BrightnessButtonsAreRefusedWithoutControl) {
  w.display.supportedLevels = {};
  w.brightness.initBrightness();
  w.page.brightnessPlus();
  w.page.brightnessMinus();
  EXPECT_THAT(w.audio.played, ElementsAre(Clip::Refusal, Clip::Refusal));
  EXPECT_EQ(w.settings.WarnBrightnessLevel, kNoBrightnessLevel);
  EXPECT_EQ(caption(kBrightnessLevelCaption), "None");
}

TEST_F(AlertsPageTest, BrowseStartsAtTheCurrentProgramAndSavesAChoice) {
  w.settings.LaunchProgramPath = "/home/user/bin/backup.sh";
  w.files.answer = std::nullopt;  // cancelled
  w.page.browseLaunchProgram();
  ASSERT_EQ(w.files.openRequests.size(), 1u);
  EXPECT_EQ(w.files.openRequests[0].filter, "exe|*.exe|com|*.com|bat|*.bat|all files|*.*");
  EXPECT_EQ(w.files.openRequests[0].folder, "/home/user/bin");
  EXPECT_EQ(w.files.openRequests[0].fileName, "backup.sh");
  EXPECT_EQ(w.hooks.saves, 0);

  w.files.answer = "/usr/local/bin/notify";
  w.page.browseLaunchProgram();
  EXPECT_EQ(w.settings.LaunchProgramPath, "/usr/local/bin/notify");
  EXPECT_EQ(w.hooks.saves, 1);

  w.settings.LaunchProgramPath.clear();
  w.page.browseLaunchProgram();
  EXPECT_EQ(w.files.openRequests.back().folder, "");
  EXPECT_EQ(w.files.openRequests.back().fileName, "");
}

}  // namespace
}  // namespace voltaro::alerts
