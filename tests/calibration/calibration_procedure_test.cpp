// Whole calibrations on the simulated battery: the questions, the marker
// files at each stage, the health record, the calibration log and the
// completion notice; a stop halfway; a restart while recharging.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "calibration_rig.h"
#include "common/file_io.h"

namespace voltaro::calibration::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using view::Page;

constexpr std::uint32_t kToday = 46023;  // 1 January 2026, the rig's first day

class CalibrationProcedureTest : public CalibrationTest {
 protected:
  std::vector<std::string> logLines() const {
    return readTextLines(folder_ + "calibrationlog.txt").value_or(std::vector<std::string>{});
  }
  std::vector<std::string> markerLines(const char* name) const {
    return readTextLines(folder_ + name).value_or(std::vector<std::string>{});
  }
  // Charged on external power, monitoring started and the first reading in.
  std::unique_ptr<Rig> chargedRig() {
    auto rig = std::make_unique<Rig>(folder_);
    rig->setLevel(100, true);
    rig->start();
    rig->ticks(3);
    return rig;
  }
  // Calibrate, YES in the parameters, unplug, YES, OK to the instructions.
  void startCalibration(Rig& rig) {
    rig.calibration.calibrateCommand();
    ASSERT_TRUE(rig.parameters.visible);
    rig.calibration.parametersYes();
    ASSERT_EQ(rig.lastQuestion().line0, "In order to start the Calibration process");
    rig.setLevel(100, false);
    rig.ticks(2);
    rig.yes();
    ASSERT_EQ(rig.lastQuestion().line0,
              "1. Keep the computer awake until the critical battery level is reached");
    rig.yes();
  }
};

TEST_F(CalibrationProcedureTest, RunsFromFullThroughDischargeAndRechargeToCompletion) {
  auto rig = chargedRig();
  ASSERT_EQ(rig->record.calibrations, 0u);
  rig->record.latestCalibration = kToday - 40;  // an old calibration, to see it replaced

  // Full battery: no not-charged question, straight to the parameters.
  rig->calibration.calibrateCommand();
  EXPECT_TRUE(rig->confirmation.shown.empty());
  ASSERT_EQ(rig->parameters.fills.size(), 1u);
  EXPECT_EQ(rig->parameters.fills[0].activePlan, "High performance");
  EXPECT_EQ(rig->parameters.fills[0].chargeLevel, "100%");
  EXPECT_TRUE(rig->parameters.visible);

  rig->shell.runs.clear();
  rig->calibration.parametersYes();
  EXPECT_FALSE(rig->parameters.visible);
  ASSERT_EQ(rig->shell.runs.size(), 4u);  // fix; calstart only asks while plugged in
  EXPECT_EQ(rig->lastQuestion().line1, "you have to unplug the laptop power cord now!");

  // YES while still plugged in asks again.
  rig->yes();
  EXPECT_EQ(rig->confirmation.shown.size(), 2u);
  EXPECT_EQ(rig->lastQuestion().line0, "In order to start the Calibration process");

  rig->setLevel(100, false);
  rig->ticks(2);
  ASSERT_FALSE(rig->live.onPower);
  rig->yes();
  ASSERT_EQ(rig->shell.runs.size(), 6u);
  EXPECT_TRUE(rig->shell.runs[4].elevate);
  EXPECT_THAT(rig->shell.runs[4].arguments, ElementsAre("-x", "-standby-timeout-dc", "0"));
  EXPECT_THAT(rig->shell.runs[5].arguments, ElementsAre("-hibernate", "off"));
  EXPECT_EQ(rig->lastQuestion().title, "Information");
  EXPECT_FALSE(rig->calibration.calibrating());

  // OK to the instructions: Discharging.
  rig->yes();
  EXPECT_TRUE(rig->calibration.calibrating());
  EXPECT_EQ(rig->text(Page::Calibrate, "Calibration"), "On");
  EXPECT_THAT(markerLines("calib.txt"), ElementsAre("Calibration started"));
  EXPECT_FALSE(exists("calib2.txt"));

  rig->setLevel(40, false);
  rig->ticks(10);
  EXPECT_FALSE(exists("calib2.txt"));
  EXPECT_GT(rig->record.cyclesSinceCalibration, 0u);

  // 7.5 % rounds to 8; 7.4 % rounds to 7 and the battery counts as drained.
  rig->setLevel(7.5, false);
  rig->ticks(3);
  EXPECT_FALSE(exists("calib2.txt"));
  rig->setLevel(7.4, false);
  rig->ticks(3);
  EXPECT_THAT(markerLines("calib2.txt"), ElementsAre("Calibration OK"));
  EXPECT_TRUE(exists("calib.txt"));

  // Recharging: 99.4 % is not full yet.
  rig->setLevel(60, true);
  rig->ticks(3);
  rig->setLevel(99.4, true);
  rig->ticks(3);
  EXPECT_TRUE(rig->calibration.calibrating());
  const std::size_t questionsBefore = rig->confirmation.shown.size();

  rig->setLevel(100, true);
  rig->ticks(3);
  EXPECT_FALSE(rig->calibration.calibrating());
  EXPECT_EQ(rig->text(Page::Calibrate, "Calibration"), "Off");
  EXPECT_FALSE(exists("calib.txt"));
  EXPECT_FALSE(exists("calib2.txt"));
  EXPECT_EQ(rig->record.calibrations, 1u);
  EXPECT_EQ(rig->record.latestCalibration, kToday);
  EXPECT_EQ(rig->record.cyclesSinceCalibration, 0u);
  EXPECT_EQ(rig->text(Page::Calibrate, "Battery Calibrations"), "1");
  EXPECT_EQ(rig->text(Page::Calibrate, "Latest Calibration"), "0");

  ASSERT_EQ(rig->confirmation.shown.size(), questionsBefore + 1);
  EXPECT_EQ(rig->lastQuestion(),
            (view::ConfirmationTexts{"Information", "Calibration is complete", "", ""}));
  EXPECT_EQ(rig->dialog.code(), dialogs::code::kCalibrationComplete);

  // The saved values survive: the "44" file holds 1.
  const FileRead calibrations = rig->valueFiles.readval(rig->health.valuePath("44"));
  EXPECT_EQ(health::decodeValueFile(calibrations.bytes), std::optional<std::uint32_t>(1u));

  const auto lines = logLines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Voltaro v9.2 - Calibration log file");
  EXPECT_EQ(lines[2], "Battery 1 ID:  Keldwick Sim Battery");
  EXPECT_THAT(lines[4], StartsWith("Started @ "));
  EXPECT_THAT(lines[5], StartsWith("Completed @ "));
  EXPECT_EQ(lines[6], "Total calibrations: 1");
  EXPECT_EQ(lines[7], "Full Charged Capacity: 45,000 mWh");
  EXPECT_EQ(lines[8], "Wear Level: 10.00 %");
  EXPECT_EQ(lines[9], " ");

  // Later full readings do not report again.
  rig->ticks(5);
  EXPECT_EQ(logLines().size(), 10u);
  EXPECT_EQ(rig->record.calibrations, 1u);
  EXPECT_TRUE(rig->errors.messages.empty());
}

TEST_F(CalibrationProcedureTest, StoppingHalfwayLogsTheStopAndLeavesTheRecordAlone) {
  auto rig = chargedRig();
  startCalibration(*rig);
  ASSERT_TRUE(rig->calibration.calibrating());
  rig->setLevel(50, false);
  rig->ticks(6);
  const health::HealthRecord before = rig->record;

  rig->calibration.calibrateCommand();
  EXPECT_EQ(rig->lastQuestion(),
            (view::ConfirmationTexts{"Confirmation", "Calibration process is already running!",
                                     "Do you want to stop it?", ""}));
  // NO keeps it running.
  rig->no();
  EXPECT_TRUE(rig->calibration.calibrating());
  EXPECT_TRUE(exists("calib.txt"));

  rig->calibration.calibrateCommand();
  const std::size_t shown = rig->confirmation.shown.size();
  rig->yes();
  EXPECT_FALSE(rig->calibration.calibrating());
  EXPECT_EQ(rig->text(Page::Calibrate, "Calibration"), "Off");
  EXPECT_FALSE(exists("calib.txt"));
  EXPECT_EQ(rig->confirmation.shown.size(), shown);  // no completion notice
  EXPECT_EQ(rig->record, before);

  const auto lines = logLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_THAT(lines[4], StartsWith("Started @ "));
  EXPECT_THAT(lines[5], StartsWith("Stopped @ "));
  EXPECT_EQ(lines[6], " ");

  // Charging to full afterwards completes nothing.
  rig->setLevel(100, true);
  rig->ticks(4);
  EXPECT_EQ(rig->record.calibrations, 0u);
  EXPECT_EQ(logLines().size(), 7u);
}

TEST_F(CalibrationProcedureTest, RestartWhileRechargingResumesAndCompletes) {
  {
    auto rig = chargedRig();
    startCalibration(*rig);
    rig->setLevel(5, false);
    rig->ticks(3);
    ASSERT_TRUE(exists("calib2.txt"));
    rig->record.cyclesSinceCalibration = 0;
  }  // the program ends (the critical action shut the computer down)

  Rig rig(folder_);
  rig.driver.setBattery(2, 1002);
  rig.setLevel(30, true);
  rig.start();
  rig.ticks(2);
  EXPECT_TRUE(rig.calibration.calibrating());
  EXPECT_EQ(rig.text(Page::Calibrate, "Calibration"), "On");
  // A calibration in progress refuses the battery switch.
  rig.monitor.act8();
  EXPECT_EQ(rig.statusLine.texts.back(), "Calibration in progress!");
  EXPECT_EQ(rig.slots.currentSlot, 1);

  rig.setLevel(100, true);
  rig.ticks(3);
  EXPECT_FALSE(rig.calibration.calibrating());
  EXPECT_EQ(rig.record.calibrations, 1u);
  EXPECT_FALSE(exists("calib.txt"));
  EXPECT_FALSE(exists("calib2.txt"));
  EXPECT_EQ(rig.lastQuestion().line0, "Calibration is complete");
  const auto lines = logLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3], "Full Charged Capacity: 45,000 mWh");
}

TEST_F(CalibrationProcedureTest, RestartWhileDischargingStaysInTheDischargeStage) {
  {
    auto rig = chargedRig();
    startCalibration(*rig);
  }
  Rig rig(folder_);
  rig.setLevel(100, true);  // plugged in again and full, but never drained
  rig.start();
  rig.ticks(4);
  EXPECT_TRUE(rig.calibration.calibrating());
  EXPECT_TRUE(exists("calib.txt"));
  EXPECT_EQ(rig.record.calibrations, 0u);
  rig.setLevel(6, false);
  rig.ticks(3);
  EXPECT_TRUE(exists("calib2.txt"));
}

}  // namespace
}  // namespace voltaro::calibration::testing
