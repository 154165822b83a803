// Real fast-discharge runs: the worker threads, the disc files, the end on
// AC power, at the end time and by the user, the brightness restore, and the
// exit path.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fast_discharge_rig.h"

namespace voltaro::fastdischarge::testing {
namespace {

using std::chrono::milliseconds;
namespace fs = std::filesystem;

class FastDischargeRunTest : public FastDischargeTest {
 protected:
  void SetUp() override {
    rig.settings.FastDischargeMinutes = 5;
    rig.start();
  }
  // Waits in real time for a condition that worker threads make true.
  template <typename F>
  static bool eventually(F condition, milliseconds limit = milliseconds(2000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
  }
  // External power back: the status reading sees it within two ticks.
  void plugIn() {
    rig.driver.plug();
    for (int tick = 0; tick < 3 && !rig.live.onPower; ++tick) rig.advance(1000);
    ASSERT_TRUE(rig.live.onPower);
  }
};

TEST_F(FastDischargeRunTest, ThreeCpuThreadsStartWorkersOneToThreeOnly) {
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 3;
  rig.startWithYes();
  EXPECT_EQ(rig.process.cpuWorkersAlive(), 3);
  EXPECT_FALSE(rig.process.discWorkerAlive());
  EXPECT_TRUE(eventually([&] { return rig.threads.raises.load() == 3; }));
  rig.advance(500);
  EXPECT_EQ(rig.process.cpuWorkersAlive(), 3);  // still working
  rig.process.stopFastDischarge();
  EXPECT_TRUE(rig.waitForWorkersToEnd(milliseconds(1000)));
  EXPECT_EQ(rig.threads.raises.load(), 3);
}

TEST_F(FastDischargeRunTest, ConnectingAcEndsEveryWorkerAndRemovesTheDiscFiles) {
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 4;
  rig.settings.FastDischargeDiscActivity = 1;
  rig.settings.FastDischargeDiscPercent = 100;
  rig.settings.FastDischargeBrightness = 1;
  rig.settings.FastDischargeBrightnessLevel = 70;
  rig.startWithYes();
  ASSERT_EQ(rig.process.workersAlive(), 5);
  EXPECT_EQ(rig.display.dcLevel, 70);
  EXPECT_EQ(rig.display.acLevel, 100);
  ASSERT_TRUE(eventually([&] { return rig.discFilesLeft() >= 3; }));

  plugIn();
  EXPECT_TRUE(rig.waitForWorkersToEnd(milliseconds(1000)));
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "Off");
  EXPECT_EQ(rig.discFilesLeft(), 0);
  EXPECT_TRUE(fs::is_directory(folder_ + "test"));
  EXPECT_EQ(rig.process.discWorkerEndedNormally(), std::optional<bool>(true));

  // The end timer puts the brightness back within its 2 s.
  rig.advance(2000);
  EXPECT_FALSE(rig.process.endTimerRunning());
  EXPECT_EQ(rig.display.dcLevel, 40);
  EXPECT_EQ(rig.display.acLevel, 100);
}

TEST_F(FastDischargeRunTest, DiscActivityKeepsToTheTwoHundredFiftySixNames) {
  rig.settings.FastDischargeDiscActivity = 1;
  rig.settings.FastDischargeDiscPercent = 100;
  rig.startWithYes();
  ASSERT_TRUE(eventually([&] { return rig.discFilesLeft() >= 20; }));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder_ + "test")) {
    const std::string name = entry.path().filename().string();
    const int number = std::stoi(name);
    EXPECT_EQ(name, std::to_string(number) + ".bin");
    EXPECT_GE(number, 0);
    EXPECT_LT(number, 256);
    ++files;
  }
  EXPECT_LE(files, 256);
  EXPECT_TRUE(rig.process.discWorkerAlive());

  rig.process.stopFastDischarge();
  EXPECT_TRUE(rig.waitForWorkersToEnd(milliseconds(1000)));
  EXPECT_EQ(rig.discFilesLeft(), 0);
}

TEST_F(FastDischargeRunTest, EachDiscFileHoldsExactly32KiB) {
  rig.settings.FastDischargeDiscActivity = 1;
  rig.settings.FastDischargeDiscPercent = 100;
  rig.startWithYes();
  ASSERT_TRUE(eventually([&] { return rig.discFilesLeft() >= 2; }));
  rig.process.stopFastDischarge();
  ASSERT_TRUE(rig.waitForWorkersToEnd(milliseconds(1000)));
  // Written again by hand after the run, to read one whole.
  DiscActivityFiles files(folder_);
  std::vector<char> bytes(kDiscFileBytes, 'x');
  ASSERT_TRUE(files.write(7, bytes));
  EXPECT_EQ(fs::file_size(files.path(7)), 32768u);
  files.removeAll();
  EXPECT_FALSE(fs::exists(files.path(7)));
}

TEST_F(FastDischargeRunTest, ARunWithoutLoadsEndsAtItsEndTime) {
  rig.settings.FastDischargeMinutes = 1;
  rig.startWithYes();
  EXPECT_EQ(rig.process.workersAlive(), 0);
  EXPECT_TRUE(rig.process.endTimerRunning());
  rig.advance(58000);
  EXPECT_TRUE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "On");
  rig.advance(4000);
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "Off");
  EXPECT_FALSE(rig.process.endTimerRunning());
  EXPECT_FALSE(rig.process.fastDischargeStart().has_value());
}

TEST_F(FastDischargeRunTest, CpuWorkersEndOnTheirOwnAtTheirEndTime) {
  rig.settings.FastDischargeMinutes = 1;
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 2;
  rig.startWithYes();
  ASSERT_TRUE(eventually([&] { return rig.threads.raises.load() == 2; }));
  rig.advance(30000);
  EXPECT_EQ(rig.process.cpuWorkersAlive(), 2);
  rig.threads.setNow(rig.runtime.now() + 31.0 / kSecondsPerDay);  // past the workers' end
  ASSERT_TRUE(eventually([&] {
    rig.runtime.advance(10);
    return rig.process.workersAlive() == 0;
  }));
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "Off");
}

TEST_F(FastDischargeRunTest, AFailedDiscWriteEndsTheRunAndKeepsWhatWasWritten) {
  // A file where the folder should be: nothing can be written below it.
  std::ofstream(folder_ + "test") << "in the way";
  rig.settings.FastDischargeDiscActivity = 1;
  rig.startWithYes();
  EXPECT_TRUE(rig.waitForWorkersToEnd(milliseconds(1000)));
  EXPECT_EQ(rig.process.discWorkerEndedNormally(), std::optional<bool>(false));
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.text("Fast Discharge"), "Off");
  EXPECT_TRUE(fs::is_regular_file(folder_ + "test"));
}

TEST_F(FastDischargeRunTest, ASecondYesDoesNotStartASecondSetOfWorkers) {
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 2;
  rig.process.startFastDischarge();
  rig.process.startFastDischarge();
  EXPECT_EQ(rig.process.cpuWorkersAlive(), 2);
}

TEST_F(FastDischargeRunTest, ARestartRightAfterAStopIsNotEndedByTheOldWorkers) {
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 2;
  rig.settings.FastDischargeDiscActivity = 1;
  rig.startWithYes();
  rig.process.stopFastDischarge();
  rig.process.startFastDischarge();
  EXPECT_TRUE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.process.workersAlive(), 3);
  rig.advance(500);
  EXPECT_TRUE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.process.workersAlive(), 3);
  EXPECT_EQ(rig.text("Fast Discharge"), "On");
}

TEST_F(FastDischargeRunTest, AQuickRestartAndTheExitGiveBackTheLevelFromBeforeTheFirstRun) {
  rig.settings.FastDischargeBrightness = 1;
  rig.settings.FastDischargeBrightnessLevel = 70;
  rig.startWithYes();
  ASSERT_EQ(rig.display.dcLevel, 70);
  // Stopped and started again before the end timer gave the 40 % back.
  rig.process.stopFastDischarge();
  rig.advance(500);
  rig.process.startFastDischarge();
  EXPECT_EQ(rig.display.dcLevel, 70);
  rig.advance(4000);
  EXPECT_EQ(rig.display.dcLevel, 70) << "still running";
  rig.process.shutdown();
  EXPECT_EQ(rig.display.dcLevel, 40);
  EXPECT_EQ(rig.display.acLevel, 100);
}

TEST_F(FastDischargeRunTest, TheExitPathStopsEveryWorker) {
  rig.settings.FastDischargeCpuLoad = 1;
  rig.settings.FastDischargeCpuThreads = 4;
  rig.settings.FastDischargeDiscActivity = 1;
  rig.startWithYes();
  ASSERT_EQ(rig.process.workersAlive(), 5);
  rig.process.shutdown();
  EXPECT_EQ(rig.process.workersAlive(), 0);
  EXPECT_FALSE(rig.process.fastDischargeRunning());
  EXPECT_EQ(rig.discFilesLeft(), 0);
}

}  // namespace
}  // namespace voltaro::fastdischarge::testing
