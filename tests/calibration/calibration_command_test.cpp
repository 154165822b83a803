// The Calibrate command's questions and the preparation steps: the charge
// and wear thresholds, the battery check, the plan check filling the
// parameters dialog, fix, calstart and the marker failures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calibration/sleep_blocking_calibration_power.h"
#include "calibration_rig.h"
#include "common/file_io.h"
#include "fakes/fake_sleep_inhibitor.h"

namespace voltaro::calibration::testing {
namespace {

using ::testing::ElementsAre;
using view::ConfirmationMode;
using view::ConfirmationTexts;

class CalibrationCommandTest : public CalibrationTest {
 protected:
  // Monitoring started with the battery at `percent` of its 45,000 mWh.
  void startAt(double percent, bool onPower) {
    rig.setLevel(percent, onPower);
    rig.start();
    rig.ticks(3);
  }
  std::vector<std::string> commandLines() const {
    std::vector<std::string> lines;
    for (const auto& run : rig.shell.runs) {
      std::string line = run.program;
      for (const auto& a : run.arguments) line += " " + a;
      lines.push_back(line);
    }
    return lines;
  }

  Rig rig{folder_};
};

const ConfirmationTexts kNotCharged{"Confirmation", "The current battery is not fully charged!",
                                    "Do you want to continue anyway? (not recommended)", ""};
const ConfirmationTexts kHighWear{"Confirmation", "The wear level of your battery exceeds 50% !",
                                  "Calibration process might not work well.",
                                  "Do you want to proceed anyway?"};

TEST_F(CalibrationCommandTest, NinetyFivePercentIsNotChargedAndYesGoesOnToTheParameters) {
  startAt(95.0, true);
  ASSERT_FLOAT_EQ(rig.live.percent(1), 95.0f);
  rig.calibration.calibrateCommand();
  ASSERT_EQ(rig.confirmation.shown.size(), 1u);
  EXPECT_EQ(rig.lastQuestion(), kNotCharged);
  EXPECT_EQ(rig.confirmation.last().mode, ConfirmationMode::YesNo);
  EXPECT_EQ(rig.dialog.code(), 88);
  EXPECT_EQ(rig.parameters.shows, 0);

  rig.yes();
  EXPECT_EQ(rig.parameters.shows, 1);
  ASSERT_EQ(rig.parameters.fills.size(), 1u);
  EXPECT_EQ(rig.parameters.fills[0],
            (view::ParametersContent{"High performance", "95%", "Do nothing", "5%", "Shut down",
                                     "0%", "Do you want to set these parameters and continue?"}));
}

TEST_F(CalibrationCommandTest, NoToTheNotChargedQuestionEndsTheProcedure) {
  startAt(60, true);
  rig.calibration.calibrateCommand();
  rig.no();
  EXPECT_EQ(rig.parameters.shows, 0);
  EXPECT_EQ(rig.confirmation.shown.size(), 1u);
  EXPECT_FALSE(rig.calibration.calibrating());
}

TEST_F(CalibrationCommandTest, NinetyFivePointOnePercentSkipsTheNotChargedQuestion) {
  startAt(95.1, true);
  rig.calibration.calibrateCommand();
  EXPECT_TRUE(rig.confirmation.shown.empty());
  EXPECT_EQ(rig.parameters.shows, 1);
  EXPECT_EQ(rig.parameters.fills.back().chargeLevel, "95%");
}

TEST_F(CalibrationCommandTest, MaximumWearOfExactlyFiftyPercentAsksNothing) {
  rig.driver.battery(1).information.designedCapacity = 40000;
  rig.driver.battery(1).information.fullChargedCapacity = 20000;
  rig.driver.battery(1).status.capacity = 20000;
  rig.driver.battery(1).status.powerState = platform::kPowerOnLine;
  rig.start();
  rig.ticks(3);
  ASSERT_DOUBLE_EQ(rig.health.figures().maximumWear, 50.0);
  rig.calibration.calibrateCommand();
  EXPECT_TRUE(rig.confirmation.shown.empty());
  EXPECT_EQ(rig.parameters.shows, 1);
}

TEST_F(CalibrationCommandTest, MaximumWearAboveFiftyPercentAsksFirstEvenWhenNotCharged) {
  rig.driver.battery(1).information.designedCapacity = 40000;
  rig.driver.battery(1).information.fullChargedCapacity = 19990;
  rig.driver.battery(1).status.capacity = 10000;
  rig.driver.battery(1).status.powerState = platform::kPowerOnLine | platform::kCharging;
  rig.start();
  rig.ticks(3);
  rig.calibration.calibrateCommand();
  ASSERT_EQ(rig.confirmation.shown.size(), 1u);
  EXPECT_EQ(rig.lastQuestion(), kHighWear);
  EXPECT_EQ(rig.dialog.code(), 88);
  // YES goes to the plan check, not to the charge question.
  rig.yes();
  EXPECT_EQ(rig.confirmation.shown.size(), 1u);
  EXPECT_EQ(rig.parameters.shows, 1);
}

TEST_F(CalibrationCommandTest, AnotherSelectedBatteryGetsTheSelectNotice) {
  rig.driver.setBattery(2, 1002);
  startAt(100, true);
  rig.monitor.act8();
  ASSERT_EQ(rig.slots.currentSlot, 2);
  rig.ticks(3);
  rig.calibration.calibrateCommand();
  ASSERT_EQ(rig.confirmation.shown.size(), 1u);
  EXPECT_EQ(
      rig.lastQuestion(),
      (ConfirmationTexts{"Information", "Please select Battery 1 to enable the Calibration process",
                         "and do not change it until the procedure is completed.", ""}));
  EXPECT_EQ(rig.confirmation.last().mode, ConfirmationMode::Ok);
  EXPECT_EQ(rig.dialog.code(), 16);
  rig.yes();  // OK carries no action
  EXPECT_EQ(rig.parameters.shows, 0);
  EXPECT_EQ(rig.confirmation.shown.size(), 1u);
}

TEST_F(CalibrationCommandTest, FixWritesTheFourBatteryValuesIntoTheActivePlan) {
  startAt(100, true);
  rig.calibration.calibrateCommand();
  rig.shell.runs.clear();
  rig.calibration.parametersYes();
  const std::string plan = "powercfg -setdcvalueindex 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  ";
  const std::string group = "e73a048d-bf27-4f12-9731-8b2076e8891f ";
  EXPECT_THAT(commandLines(), ElementsAre(plan + group + "d8742dcb-3e6a-4b3c-b3fe-374623cdcf06 0",
                                          plan + group + "9a66d8d7-4ff7-4ef9-b5a2-5a326ca2a469 5",
                                          plan + group + "637ea02f-bbcb-4015-8e2c-a1c7b9c0b546 3",
                                          plan + group + "f3c5027d-cd16-4930-aa6b-90db844a8f00 0"));
  for (const auto& run : rig.shell.runs) EXPECT_FALSE(run.elevate);
  EXPECT_FALSE(rig.parameters.visible);
}

TEST_F(CalibrationCommandTest, WithoutPlanValuesToChangeTheParametersSayWhatIsDone) {
  fakes::FakeSleepInhibitor lock;
  SleepBlockingCalibrationPower power(lock);
  Calibration calibration{CalibrationContext{rig.slots, rig.live, rig.settings, rig.dataFolder,
                                             rig.texts, rig.errors, rig.dialog, rig.parameters,
                                             rig.health, rig.log, rig.plans, power}};
  startAt(100, false);
  calibration.prepareCalibration();
  EXPECT_EQ(rig.parameters.fills.back(),
            (view::ParametersContent{
                "High performance", "100%", "Unchanged", "Unchanged", "Unchanged", "Unchanged",
                "Do you want to set these parameters and continue?", "Blocked while calibrating"}));
  lock.present = false;
  calibration.prepareCalibration();
  EXPECT_EQ(rig.parameters.fills.back().sleepAndHibernation, "Unchanged");
  lock.present = true;

  // Nothing is written to the plan; the lock is held while it runs.
  rig.shell.runs.clear();
  calibration.parametersYes();
  EXPECT_THAT(commandLines(), ::testing::IsEmpty());
  EXPECT_FALSE(lock.held());
  calibration.beginCalibration();
  EXPECT_TRUE(lock.held());
  EXPECT_EQ(lock.reason, kCalibrationAwakeReason);
  calibration.stopCalibrationWithoutMessage();
  EXPECT_FALSE(lock.held());
  calibration.setCalibrating(true);  // a start that finds the markers
  EXPECT_TRUE(lock.held());
}

TEST_F(CalibrationCommandTest, NoPlansSkipTheParametersAndFix) {
  rig.shell.output = "";
  startAt(100, true);
  rig.shell.runs.clear();
  rig.calibration.calibrateCommand();
  EXPECT_EQ(rig.parameters.shows, 0);
  EXPECT_THAT(commandLines(), ElementsAre("powercfg -list"));  // only the plan check
  EXPECT_EQ(rig.lastQuestion().line0, "In order to start the Calibration process");
  EXPECT_EQ(rig.dialog.code(), 21);
}

TEST_F(CalibrationCommandTest, PlansWithoutAnActiveOneShowNoneAndWriteNothing) {
  rig.shell.output =
      "Power Scheme GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (Balanced)\r\n"
      "Power Scheme GUID: a1841308-3541-4fab-bc81-f71556f20b4a  (Power saver)\r\n";
  startAt(100, false);
  rig.calibration.calibrateCommand();
  EXPECT_EQ(rig.parameters.fills.back().activePlan, "none");
  rig.shell.runs.clear();
  rig.calibration.parametersYes();
  // On battery already: no fix, straight to the instructions' two runs.
  EXPECT_THAT(commandLines(),
              ElementsAre("powercfg -x -standby-timeout-dc 0", "powercfg -hibernate off"));
  EXPECT_EQ(rig.dialog.code(), 24);
}

TEST_F(CalibrationCommandTest, NoInTheParametersEndsTheProcedure) {
  startAt(100, true);
  rig.calibration.calibrateCommand();
  rig.shell.runs.clear();
  rig.calibration.parametersNo();
  EXPECT_FALSE(rig.parameters.visible);
  EXPECT_TRUE(rig.shell.runs.empty());
  EXPECT_TRUE(rig.confirmation.shown.empty());
}

TEST_F(CalibrationCommandTest, NoToTheUnplugQuestionStartsNothing) {
  startAt(100, true);
  rig.calibration.calibrateCommand();
  rig.calibration.parametersYes();
  rig.no();
  EXPECT_FALSE(rig.calibration.calibrating());
  EXPECT_FALSE(exists("calib.txt"));
  EXPECT_EQ(rig.confirmation.shown.size(), 1u);
}

TEST_F(CalibrationCommandTest, BeginReplacesOldMarkersAndWritesTheLogOnlyWhenOn) {
  rig.settings.CalibrationLog = 0;
  startAt(100, false);
  // A discharge marker left over from an earlier run must not count.
  ASSERT_TRUE(writeTextLines(folder_ + "calib2.txt", {"Calibration OK"}));
  rig.calibration.beginCalibration();
  EXPECT_TRUE(exists("calib.txt"));
  EXPECT_FALSE(exists("calib2.txt"));
  EXPECT_FALSE(exists("calibrationlog.txt"));
  rig.ticks(3);  // full, but not drained
  EXPECT_TRUE(rig.calibration.calibrating());
}

TEST_F(CalibrationCommandTest, AMarkerThatCannotBeWrittenIsReportedAndTheStateStays) {
  rig.settings.CalibrationLog = 0;
  rig.dataFolder = folder_ + "missing/";
  rig.calibration.beginCalibration();
  EXPECT_TRUE(rig.calibration.calibrating());
  EXPECT_EQ(rig.text(view::Page::Calibrate, "Calibration"), "On");
  ASSERT_EQ(rig.errors.messages.size(), 1u);
  EXPECT_NE(rig.errors.messages[0].find("calib.txt"), std::string::npos);
  // The discharge marker is tried on every drained reading, reported once.
  rig.calibration.calibrationBatteryDischarged();
  rig.calibration.calibrationBatteryDischarged();
  ASSERT_EQ(rig.errors.messages.size(), 2u);
  EXPECT_NE(rig.errors.messages[1].find("calib2.txt"), std::string::npos);
  // Ending ignores the deletion of files that are not there.
  rig.calibration.stopCalibrationWithoutMessage();
  EXPECT_EQ(rig.errors.messages.size(), 2u);
  // A new calibration reports a new failure.
  rig.calibration.beginCalibration();
  rig.calibration.calibrationBatteryDischarged();
  EXPECT_EQ(rig.errors.messages.size(), 4u);
}

TEST_F(CalibrationCommandTest, TheDischargeMarkerIsWrittenOnceAndKeptWhenPresent) {
  startAt(100, false);
  rig.calibration.beginCalibration();
  ASSERT_TRUE(writeTextLines(folder_ + "calib2.txt", {"kept"}));
  rig.calibration.calibrationBatteryDischarged();
  EXPECT_EQ(readTextLines(folder_ + "calib2.txt"), std::optional(std::vector<std::string>{"kept"}));
}

}  // namespace
}  // namespace voltaro::calibration::testing
