#include "alerts/alert_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "alerts_fixture.h"

namespace voltaro::alerts {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

AlertInputs onBattery(double percent, std::uint32_t seconds = 3600) {
  return AlertInputs{false, false, percent, seconds};
}

class AlertRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.settings.PlaySounds = 0;
    w.settings.PlayVoices = 0;
    w.settings.CritShowMessage = 0;
    w.brightness.initBrightness();
    w.journal.entries.clear();
    w.display.calls.clear();
  }
  void enableWarning(std::uint8_t level, bool minutes = false) {
    w.settings.WarningEnabled = 1;
    w.settings.WarningLevel = level;
    w.settings.WarningInMinutes = minutes ? 1 : 0;
  }
  void enableCritical(std::uint8_t level, bool minutes = false) {
    w.settings.CriticalEnabled = 1;
    w.settings.CriticalLevel = level;
    w.settings.CriticalInMinutes = minutes ? 1 : 0;
  }
  testing::AlertsWorld w;
};

TEST_F(AlertRulesTest, WarningActionsRunInOrderAfterTheClipWaits) {
  enableWarning(30);
  w.settings.PlaySounds = 1;
  w.settings.PlayVoices = 1;
  w.settings.WarnAdjustBrightness = 1;
  w.settings.WarnBrightnessLevel = 40;
  w.settings.WarnDisableAero = 1;
  w.settings.WarnMuteSpeakers = 1;
  w.settings.WarnLaunchProgram = 1;
  w.settings.LaunchProgramPath = "/opt/tools/save-all";
  w.display.compositionOn = true;
  w.audio.volume = 70;

  w.rules.evaluateAlerts(onBattery(25));

  EXPECT_TRUE(w.rules.warningFired());
  EXPECT_THAT(w.requests(), ElementsAre("0 gadget", "0 play 1", "750 play 2",
                                        "1550 setBrightness 2 40 40", "1550 setComposition off",
                                        "1550 volume 0", "1550 open /opt/tools/save-all"));
}

TEST_F(AlertRulesTest, WarningSkipsActionsThatHaveNothingToDo) {
  enableWarning(30);
  w.settings.WarnAdjustBrightness = 1;
  w.settings.WarnDisableAero = 1;    // composition already off
  w.settings.WarnLaunchProgram = 1;  // no path chosen
  w.display.supportedLevels = {50};  // a single level: no brightness control
  w.brightness.initBrightness();
  w.journal.entries.clear();

  w.rules.evaluateAlerts(onBattery(10));
  EXPECT_THAT(w.requests(), ElementsAre("0 gadget"));
}

TEST_F(AlertRulesTest, PercentIsRoundedHalfToEven) {
  enableWarning(30);
  w.rules.evaluateAlerts(onBattery(30.6));  // 31
  EXPECT_FALSE(w.rules.warningFired());
  w.rules.evaluateAlerts(onBattery(30.5));  // 30, the even neighbour
  EXPECT_TRUE(w.rules.warningFired());

  w.rules.evaluateAlerts(AlertInputs{true, false, 30.4, 0});
  w.rules.evaluateAlerts(onBattery(30.4));
  EXPECT_TRUE(w.rules.warningFired());
  EXPECT_EQ(measuredAlertValue(false, onBattery(31.5)), 32);
}

TEST_F(AlertRulesTest, MinutesAreTruncatedWholeMinutesOfTheSecondsDelivered) {
  enableWarning(28, true);
  w.rules.evaluateAlerts(onBattery(5, 1799));  // 29 minutes
  EXPECT_FALSE(w.rules.warningFired());
  w.settings.WarningLevel = 29;
  w.rules.evaluateAlerts(onBattery(5, 1799));
  EXPECT_TRUE(w.rules.warningFired());
}

TEST_F(AlertRulesTest, UnknownReadingsFireNothingUntilTheyAreKnown) {
  enableWarning(1, true);
  enableCritical(10);
  // No rate and no estimate yet: no minutes at all, not 0 of them.
  w.rules.evaluateAlerts(AlertInputs{false, false, 90.0, std::nullopt});
  EXPECT_FALSE(w.rules.warningFired());
  // A charge never read is not an empty battery either.
  w.rules.evaluateAlerts(AlertInputs{false, false, std::nullopt, 3600});
  EXPECT_FALSE(w.rules.criticalFired());
  EXPECT_EQ(measuredAlertValue(false, AlertInputs{false, false, std::nullopt, 0}), std::nullopt);
  // Once known, each fires on its own reading: 59 s is 0 whole minutes.
  w.rules.evaluateAlerts(onBattery(90, 59));
  EXPECT_TRUE(w.rules.warningFired());
  w.rules.evaluateAlerts(onBattery(9.5));
  EXPECT_TRUE(w.rules.criticalFired());
}

TEST_F(AlertRulesTest, EachAlertFiresOncePerDischargeAndReArmsOnAcPower) {
  enableWarning(30);
  w.settings.WarnMuteSpeakers = 1;
  for (int i = 0; i < 3; ++i) w.rules.evaluateAlerts(onBattery(20 - i));
  EXPECT_THAT(w.journal.entries, ElementsAre("0 gadget", "0 volume 0"));

  w.rules.evaluateAlerts(AlertInputs{true, false, 20, 0});
  EXPECT_FALSE(w.rules.warningFired());
  w.audio.volume = 50;
  w.rules.evaluateAlerts(onBattery(20));
  EXPECT_TRUE(w.rules.warningFired());
  EXPECT_EQ(w.journal.entries.size(), 4u);
}

TEST_F(AlertRulesTest, WarningFiresFirstAndCriticalOnTheNextEvaluation) {
  enableWarning(30);
  enableCritical(5);
  w.settings.CritSystemStandby = 1;
  w.rules.evaluateAlerts(onBattery(4));
  EXPECT_TRUE(w.rules.warningFired());
  EXPECT_FALSE(w.rules.criticalFired());
  EXPECT_THAT(w.power.calls, IsEmpty());

  w.rules.evaluateAlerts(onBattery(4));
  EXPECT_TRUE(w.rules.criticalFired());
  EXPECT_THAT(w.power.calls, ElementsAre("suspend normal"));

  w.rules.evaluateAlerts(onBattery(3));
  EXPECT_THAT(w.power.calls, ElementsAre("suspend normal"));
}

TEST_F(AlertRulesTest, CriticalAloneFiresWhenTheWarningIsOff) {
  enableCritical(5, true);
  w.settings.CritMonitorOff = 1;
  w.rules.evaluateAlerts(onBattery(50, 299));  // 4 minutes
  EXPECT_FALSE(w.rules.warningFired());
  EXPECT_THAT(w.display.calls, ElementsAre("monitorOff"));
}

TEST_F(AlertRulesTest, DisabledAlertsNeverFire) {
  w.settings.WarningLevel = 99;
  w.settings.CriticalLevel = 99;
  w.rules.evaluateAlerts(onBattery(1, 0));
  EXPECT_FALSE(w.rules.warningFired());
  EXPECT_FALSE(w.rules.criticalFired());
  EXPECT_THAT(w.journal.entries, IsEmpty());
}

TEST_F(AlertRulesTest, NothingFiresDuringACalibrationAndTheFlagsStay) {
  enableWarning(30);
  enableCritical(5);
  w.rules.evaluateAlerts(onBattery(20));
  ASSERT_TRUE(w.rules.warningFired());
  w.rules.evaluateAlerts(AlertInputs{false, true, 2, 0});
  EXPECT_FALSE(w.rules.criticalFired());
  EXPECT_TRUE(w.rules.warningFired());
  w.rules.evaluateAlerts(onBattery(2));
  EXPECT_TRUE(w.rules.criticalFired());
}

TEST_F(AlertRulesTest, CriticalShowsItsMessageThenWaitsThenActs) {
  enableCritical(5);
  w.settings.PlaySounds = 1;
  w.settings.PlayVoices = 1;
  w.settings.CritShowMessage = 1;
  w.settings.CritSystemHibernate = 1;
  w.settings.CritForceHibernate = 1;
  w.rules.evaluateAlerts(onBattery(5));

  EXPECT_THAT(w.requests(), ElementsAre("0 gadget", "0 play 1", "750 play 2",
                                        "1550 message Battery Alert", "2550 hibernate force"));
  ASSERT_EQ(w.confirmation.shown.size(), 1u);
  EXPECT_EQ(w.confirmation.shown[0],
            (view::ConfirmationTexts{"Battery Alert",
                                     "The battery capacity has reached a critical value.",
                                     "Save your work and plug in the power cord now!", ""}));
  EXPECT_EQ(w.confirmation.modes[0], view::ConfirmationMode::Ok);
  EXPECT_EQ(w.dialog.code(), dialogs::code::kBatteryAlert);
}

TEST_F(AlertRulesTest, APowerActionTheSystemRefusesIsNotReplacedByAnother) {
  enableCritical(5);
  w.settings.CritShowMessage = 1;
  w.settings.CritSystemStandby = 1;
  w.settings.CritSystemHibernate = 1;  // hand-edited: both set
  w.power.suspendAllowed = false;
  w.rules.evaluateAlerts(onBattery(1));
  EXPECT_TRUE(w.rules.criticalFired());
  EXPECT_EQ(w.confirmation.shown.size(), 1u);
  EXPECT_THAT(w.power.calls, IsEmpty());
}

TEST_F(AlertRulesTest, MonitorOffTakesPriorityOverStandby) {
  enableCritical(5);
  w.settings.CritMonitorOff = 1;
  w.settings.CritSystemStandby = 1;
  w.rules.evaluateAlerts(onBattery(1));
  EXPECT_TRUE(w.display.monitorIsOff);
  EXPECT_THAT(w.power.calls, IsEmpty());
}

TEST_F(AlertRulesTest, ForceStandbyFlagIsPassedOn) {
  enableCritical(5);
  w.settings.CritSystemStandby = 1;
  w.settings.CritForceStandby = 1;
  w.rules.evaluateAlerts(onBattery(1));
  EXPECT_THAT(w.power.calls, ElementsAre("suspend force"));
}

}  // namespace
}  // namespace voltaro::alerts
