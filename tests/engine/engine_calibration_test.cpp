// Whole calibrations through the engine: the "C" key, the answers given to
// the engine's own dialog, the simulated battery drained and recharged on
// virtual time, and a restart of the program between the two stages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calibration/sleep_blocking_calibration_power.h"
#include "common/file_io.h"
#include "engine/engine_harness.h"
#include "fakes/fake_sleep_inhibitor.h"
#include "journal/journal_files.h"

namespace voltaro::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr std::uint32_t kToday = 46023;  // the virtual runtime's first day

// Slot 1's battery holds 45,000 mWh when full.
constexpr platform::BatteryStatusRecord kFullOnPower{platform::kPowerOnLine, 45000, 12600, 0};
constexpr platform::BatteryStatusRecord kHalfOnBattery{platform::kDischarging, 22500, 11100,
                                                       -12000};
// 3,000 of 45,000 mWh: 6.67 %, rounded 7, which counts as drained.
constexpr platform::BatteryStatusRecord kDrained{platform::kDischarging, 3000, 10800, -12000};
constexpr platform::BatteryStatusRecord kRecharging{platform::kPowerOnLine | platform::kCharging,
                                                    30000, 12300, 9000};

class EngineCalibrationTest : public ::testing::Test {
 protected:
  std::vector<std::string> lines(const EngineHarness& h, const char* name) const {
    return readTextLines(h.dataFile(name)).value_or(std::vector<std::string>{});
  }
  const view::ConfirmationTexts& lastShown(const EngineHarness& h) const {
    return h.confirmation.last().texts;
  }

  // Full on external power: "C", YES to unplug (asked again while plugged
  // in), unplugged, YES, OK to the instructions.
  void startCalibration(EngineHarness& h) {
    h.driver.battery(1).status = kFullOnPower;
    ASSERT_EQ(h.create(), 0);
    h.engine().settings().CalibrationLog = 1;
    // A critical alert at 10 % that would put the computer on standby.
    h.engine().settings().CriticalEnabled = 1;
    h.engine().settings().CriticalLevel = 10;
    h.engine().settings().CritSystemStandby = 1;
    h.startAndRun(5);

    ASSERT_TRUE(h.engine().calibratePage().handleKey('C'));
    // 100 %: no not-charged question, and without power plans no parameters.
    ASSERT_EQ(h.confirmation.shown.size(), 1u);
    EXPECT_EQ(lastShown(h).line1, "you have to unplug the laptop power cord now!");
    h.engine().dialog().answerYes();
    ASSERT_EQ(h.confirmation.shown.size(), 2u) << "still plugged in: asked again";
    EXPECT_EQ(lastShown(h).line0, "In order to start the Calibration process");

    h.driver.battery(1).status = {platform::kDischarging, 45000, 12600, -12000};
    h.run(3);
    ASSERT_FALSE(h.engine().live().onPower);
    h.engine().dialog().answerYes();
    ASSERT_EQ(h.confirmation.shown.size(), 3u);
    EXPECT_EQ(lastShown(h).line2, "3. Restore the AC Power and charge the battery to 100%");
    EXPECT_FALSE(h.engine().calibration().calibrating());
    h.engine().dialog().answerYes();
    ASSERT_TRUE(h.engine().calibration().calibrating());
  }

  TemporaryFolder documents;
};

TEST_F(EngineCalibrationTest, DrainedThenRestartedWhileRechargingCompletes) {
  std::uint32_t calibrationsBefore = 0;
  // The computer is kept awake while the calibration runs, in each run of
  // the program; the lock of the first run ends with its process.
  fakes::FakeSleepInhibitor firstLock;
  calibration::SleepBlockingCalibrationPower firstPower(firstLock);
  {
    EngineHarness h(documents.path());
    h.calibrationPower = &firstPower;
    EXPECT_FALSE(firstLock.held());
    startCalibration(h);
    EXPECT_TRUE(firstLock.held());
    calibrationsBefore = h.engine().healthRecord().calibrations;
    EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Calibration"), "On");
    EXPECT_THAT(lines(h, "calib.txt"), ElementsAre("Calibration started"));
    EXPECT_FALSE(fileExists(h.dataFile("calib2.txt")));

    h.driver.battery(1).status = kHalfOnBattery;
    h.run(5);
    EXPECT_FALSE(fileExists(h.dataFile("calib2.txt")));
    h.driver.battery(1).status = kDrained;
    h.run(3);
    EXPECT_THAT(lines(h, "calib2.txt"), ElementsAre("Calibration OK"));
    EXPECT_TRUE(fileExists(h.dataFile("calib.txt")));
    h.run(10);
    EXPECT_FALSE(h.engine().alertRules().criticalFired()) << "no alert during a calibration";
    EXPECT_THAT(h.power.calls, ::testing::Not(::testing::Contains(StartsWith("suspend"))));
    // The computer shuts down at the critical level: no exit procedure runs.
  }

  fakes::FakeSleepInhibitor secondLock;
  calibration::SleepBlockingCalibrationPower secondPower(secondLock);
  EngineHarness h(documents.path());
  h.calibrationPower = &secondPower;
  h.driver.battery(1).status = kRecharging;
  ASSERT_EQ(h.create(), 0);
  h.engine().settings().CalibrationLog = 1;
  h.startAndRun(5);
  ASSERT_TRUE(h.engine().calibration().calibrating()) << "resumed from the markers";
  EXPECT_TRUE(secondLock.held());
  EXPECT_TRUE(fileExists(h.dataFile("calib2.txt")));
  EXPECT_TRUE(h.confirmation.shown.empty());

  // The gauge has learnt a smaller full charge, which the reading that
  // completes the calibration still shows as 100 %.
  h.driver.battery(1).information.fullChargedCapacity = 43000;
  h.driver.battery(1).status = kFullOnPower;
  h.run(3);
  EXPECT_FALSE(h.engine().calibration().calibrating());
  EXPECT_FALSE(secondLock.held()) << "completed: the computer may sleep again";
  EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Calibration"), "Off");
  EXPECT_FALSE(fileExists(h.dataFile("calib.txt")));
  EXPECT_FALSE(fileExists(h.dataFile("calib2.txt")));

  const health::HealthRecord& record = h.engine().healthRecord();
  EXPECT_EQ(record.calibrations, calibrationsBefore + 1);
  EXPECT_EQ(record.latestCalibration, kToday);
  EXPECT_EQ(record.cyclesSinceCalibration, 0u);

  ASSERT_EQ(h.confirmation.shown.size(), 1u);
  EXPECT_EQ(lastShown(h),
            (view::ConfirmationTexts{"Information", "Calibration is complete", "", ""}));
  EXPECT_EQ(h.engine().dialog().code(), dialogs::code::kCalibrationComplete);

  const auto log = lines(h, "calibrationlog.txt");
  ASSERT_EQ(log.size(), 10u);
  EXPECT_THAT(log[4], StartsWith("Started @ "));
  EXPECT_THAT(log[5], StartsWith("Completed @ "));
  EXPECT_EQ(log[6], "Total calibrations: 1");
  EXPECT_EQ(log[7], "Full Charged Capacity: 43,000 mWh");
  EXPECT_EQ(log[8], "Wear Level: 14.00 %");
  // The journal's calibration line holds the capacity read after it.
  const auto journal =
      journal::readJournal(h.dataFile(h.engine().info().batteryKey + "-journal.csv")).entries;
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_EQ(journal[0].event, journal::JournalEvent::Reading);
  EXPECT_EQ(journal[0].fullCharged, 45000u);
  EXPECT_EQ(journal[1].event, journal::JournalEvent::Calibration);
  EXPECT_EQ(journal[1].fullCharged, 43000u);

  // OK closes the notice; later full readings change nothing.
  h.engine().dialog().answerYes();
  h.run(10);
  EXPECT_EQ(h.engine().healthRecord().calibrations, calibrationsBefore + 1);
  EXPECT_EQ(lines(h, "calibrationlog.txt").size(), 10u);
  EXPECT_EQ(journal::readJournal(h.dataFile(h.engine().info().batteryKey + "-journal.csv"))
                .entries.size(),
            2u);
  EXPECT_TRUE(h.errors.messages.empty());
}

TEST_F(EngineCalibrationTest, CalibrateAgainAndYesStopsWithoutNoticeOrRecord) {
  fakes::FakeSleepInhibitor lock;
  calibration::SleepBlockingCalibrationPower power(lock);
  EngineHarness h(documents.path());
  h.calibrationPower = &power;
  startCalibration(h);
  const health::HealthRecord before = h.engine().healthRecord();
  h.driver.battery(1).status = kHalfOnBattery;
  h.run(5);

  ASSERT_TRUE(h.engine().calibratePage().handleKey('c'));
  EXPECT_EQ(lastShown(h).line0, "Calibration process is already running!");
  const std::size_t shown = h.confirmation.shown.size();
  h.engine().dialog().answerYes();
  EXPECT_FALSE(h.engine().calibration().calibrating());
  EXPECT_FALSE(lock.held()) << "stopped: the computer may sleep again";
  EXPECT_EQ(h.confirmation.shown.size(), shown) << "no completion notice";
  EXPECT_FALSE(fileExists(h.dataFile("calib.txt")));

  const auto log = lines(h, "calibrationlog.txt");
  ASSERT_GE(log.size(), 6u);
  EXPECT_THAT(log[4], StartsWith("Started @ "));
  EXPECT_THAT(log[5], StartsWith("Stopped @ "));
  EXPECT_EQ(h.engine().healthRecord().calibrations, before.calibrations);
  EXPECT_EQ(h.engine().healthRecord().latestCalibration, before.latestCalibration);

  // A full battery afterwards completes nothing.
  h.driver.battery(1).status = kFullOnPower;
  h.run(5);
  EXPECT_EQ(h.engine().healthRecord().calibrations, before.calibrations);
}

}  // namespace
}  // namespace voltaro::testing
