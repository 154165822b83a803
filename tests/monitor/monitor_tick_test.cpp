// The tick and its sub-rates on virtual time: what runs on which tick, and
// how the busy flag handles nested and failing ticks.
#include <gtest/gtest.h>

#include <stdexcept>

#include "monitor_rig.h"

namespace voltaro::monitor {
namespace {

using platform::RequestId;

TEST(MonitorTick, StartWaitsForTheGadgetThenRunsOnce) {
  MonitorRig rig;
  rig.hooks.gadgetReady = false;
  rig.sys.start();
  rig.runtime.advance(1000);  // Timer2 ran four times, doing nothing
  EXPECT_FALSE(rig.monitor.tickRunning());
  EXPECT_EQ(rig.hooks.autoRuns, 0);
  rig.hooks.gadgetReady = true;
  rig.runtime.advance(250);
  EXPECT_TRUE(rig.monitor.tickRunning());
  EXPECT_EQ(rig.audio.volume, 90);  // the start sets the volume
  rig.runtime.advance(10000);
  EXPECT_EQ(rig.hooks.autoRuns, 1);
  EXPECT_EQ(rig.hooks.wearResets, 1);
  EXPECT_EQ(rig.sys.texts.get(view::Page::Calibrate, "Battery Usage Time"), "0");
}

TEST(MonitorTick, SubRatesOfTheFirstTicks) {
  MonitorRig rig;
  rig.sys.settings.DischargeLog = 1;
  rig.sys.settings.GadgetShowCpuUsage = 1;
  rig.start();
  EXPECT_EQ(rig.times.readCount(), 1);  // the first processor sample at start-up

  rig.runToTick(1);
  EXPECT_EQ(rig.monitor.counters(), (TickCounters{1, 1, 1}));
  EXPECT_TRUE(rig.monitor.firstReadingDone());
  EXPECT_EQ(rig.times.readCount(), 1);
  EXPECT_EQ(rig.hooks.gadgetFirstShows, 1);

  rig.runToTick(2);
  EXPECT_EQ(rig.monitor.counters(), (TickCounters{2, 2, 2}));
  EXPECT_EQ(rig.times.readCount(), 2);  // the first measured sample

  rig.runToTick(4);
  EXPECT_EQ(rig.times.readCount(), 3);
  EXPECT_EQ(rig.hooks.alertChecks, 0);
  EXPECT_EQ(rig.hooks.logRecords, 0);
  EXPECT_TRUE(rig.hooks.history.empty());

  rig.runToTick(5);
  EXPECT_EQ(rig.hooks.alertChecks, 1);
  EXPECT_EQ(rig.hooks.logRecords, 1);
  // 30,000 of 45,000 mWh: 66.67 % is 266.67 quarters, rounded 267, on battery.
  ASSERT_EQ(rig.hooks.history.size(), 1u);
  EXPECT_EQ(rig.hooks.history[0], std::make_pair(std::uint16_t{267}, HistoryKind::OnBattery));
  EXPECT_EQ(rig.hooks.graphRedraws, 1);

  rig.runToTick(6);
  EXPECT_EQ(rig.monitor.counters(), (TickCounters{1, 6, 2}));
  rig.runToTick(59);
  EXPECT_EQ(rig.hooks.alertChecks, 11);
  EXPECT_EQ(rig.hooks.logRecords, 11);
  EXPECT_EQ(rig.hooks.usageMinutes, 0);
  rig.runToTick(60);
  EXPECT_EQ(rig.hooks.alertChecks, 12);
  EXPECT_EQ(rig.hooks.usageMinutes, 1);
  EXPECT_EQ(rig.hooks.dischargeRuns, (std::vector<std::uint32_t>{1}));
  rig.runToTick(61);
  EXPECT_EQ(rig.monitor.counters(), (TickCounters{1, 1, 1}));
}

TEST(MonitorTick, NoLogWithoutTheSettingAndNoSampleWhileNothingShowsTheLoad) {
  MonitorRig rig;
  rig.sys.settings.DischargeLog = 0;
  rig.sys.settings.GadgetShowCpuUsage = 0;
  rig.start();
  rig.runToTick(10);
  EXPECT_EQ(rig.hooks.logRecords, 0);
  EXPECT_EQ(rig.hooks.alertChecks, 2);
  EXPECT_EQ(rig.times.readCount(), 1);
  rig.hooks.calibratePage = true;  // the Calibrate page comes on screen
  rig.runToTick(12);
  EXPECT_EQ(rig.times.readCount(), 2);
}

TEST(MonitorTick, FirstReadingShowsChargeTrayHintAndIcon) {
  MonitorRig rig;
  rig.start();
  rig.runToTick(1);
  EXPECT_EQ(rig.left("Charge"), "67 %");
  EXPECT_EQ(rig.hooks.gaugeDraws, 1);
  // 30,000 mWh at 12,000 mW: 9,000 s.
  const std::string hint =
      "Running on Battery, discharging\r\nCapacity:      67 %\r\nRemaining:  2 hr 30 min";
  EXPECT_EQ(rig.tray.hint(), hint);
  EXPECT_EQ(rig.hooks.gadgetHints, (std::vector<std::string>{hint}));
  EXPECT_EQ(rig.tray.icons, (std::vector<int>{10}));  // 67 % is level 10
  rig.runToTick(5);
  EXPECT_EQ(rig.tray.hints.size(), 1u);  // told again only on a change
  EXPECT_EQ(rig.hooks.gaugeDraws, 1);
  EXPECT_EQ(rig.hooks.gadgetRefreshes, 0);

  rig.driver.battery(1).status.capacity = 29000;  // 64.4 %
  rig.runToTick(6);
  EXPECT_EQ(rig.left("Charge"), "64 %");
  EXPECT_EQ(rig.hooks.gaugeDraws, 2);
  EXPECT_EQ(rig.hooks.gadgetRefreshes, 1);
  EXPECT_EQ(rig.tray.hints.size(), 2u);
}

TEST(MonitorTick, NestedTickOnlyAdvancesTheCounters) {
  MonitorRig rig;
  rig.start();
  rig.runToTick(4);
  const int polls = rig.driver.pollCount(RequestId::Status);
  // Tick 5's alert check waits 1.5 s processing messages, as a system action
  // that runs a program and waits for it: tick 6 arrives inside it.
  TickCounters inside;
  rig.hooks.alertAction = [&] {
    rig.hooks.alertAction = nullptr;
    rig.monitor.delay(1500);
    inside = rig.monitor.counters();
    EXPECT_TRUE(rig.monitor.busy());
  };
  rig.runToTick(5);
  EXPECT_EQ(inside, (TickCounters{1, 6, 2}));  // the nested tick moved the counters
  EXPECT_FALSE(rig.monitor.busy());
  // Only tick 5 read the battery; the nested tick 6 did nothing else.
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), polls + 1);
  EXPECT_EQ(rig.hooks.alertChecks, 1);
  rig.runToTick(7);
  EXPECT_EQ(rig.monitor.counters(), (TickCounters{2, 7, 1}));
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), polls + 2);
}

TEST(MonitorTick, AFailureInsideATickReleasesTheBusyFlag) {
  MonitorRig rig;
  rig.start();
  rig.hooks.alertAction = [&] {
    rig.hooks.alertAction = nullptr;
    throw std::runtime_error("log file lost");
  };
  EXPECT_THROW(rig.runToTick(5), std::runtime_error);
  EXPECT_FALSE(rig.monitor.busy());
  rig.runToTick(10);
  EXPECT_EQ(rig.hooks.alertChecks, 2);  // tick 10 ran in full
}

TEST(MonitorTick, FastDischargeTimeLeftOnTheFirstOfFiveTicks) {
  MonitorRig rig;
  rig.sys.settings.FastDischargeMinutes = 5;
  // Started 91 s before tick 1: 3.48 minutes left, shown truncated.
  rig.hooks.fastDischarge = rig.runtime.now() - (91.0 - 1.25) / kSecondsPerDay;
  rig.start();
  rig.runToTick(1);
  EXPECT_EQ(rig.sys.texts.get(view::Page::Calibrate, "Time Left"), "3");
  EXPECT_NE(rig.tray.hint().find("\r\nFast discharge enabled"), std::string::npos);
  rig.hooks.fastDischarge = rig.runtime.now() - 6.0 / kMinutesPerDay;  // overrun
  rig.runToTick(5);
  EXPECT_EQ(rig.sys.texts.get(view::Page::Calibrate, "Time Left"), "3");  // not on 2..5
  rig.runToTick(6);
  EXPECT_EQ(rig.sys.texts.get(view::Page::Calibrate, "Time Left"), "0");
}

TEST(MonitorTick, AdviceOnceAtTickThirtyFiveUntilReArmed) {
  MonitorRig rig;
  rig.hooks.adviceToShow = true;
  rig.start();
  rig.runToTick(34);
  EXPECT_EQ(rig.hooks.adviceEvaluations, 0);
  rig.runToTick(35);
  EXPECT_EQ(rig.hooks.adviceEvaluations, 1);
  EXPECT_EQ(rig.hooks.adviceWindowShows, 2);  // shown and brought forward twice
  rig.runToTick(100);
  EXPECT_EQ(rig.hooks.adviceEvaluations, 1);
  rig.monitor.clearAdviceShown();  // a full charge re-arms it
  rig.runToTick(155);
  EXPECT_EQ(rig.hooks.adviceEvaluations, 2);
}

TEST(MonitorTick, AGadgetOptionChangeRedrawsOnce) {
  MonitorRig rig;
  rig.start();
  rig.runToTick(3);
  EXPECT_EQ(rig.hooks.gadgetRefreshes, 0);
  rig.sys.settings.Style3DGadget = 0;
  rig.runToTick(5);
  EXPECT_EQ(rig.hooks.gadgetRefreshes, 1);
  rig.sys.settings.ShowBatteryGadget = 0;  // takes effect with the next change
  rig.sys.settings.GadgetShowCapacity = 0;
  rig.runToTick(6);
  EXPECT_EQ(rig.hooks.gadgetRefreshes, 1);
  EXPECT_EQ(rig.hooks.gadgetHides, 1);
  EXPECT_EQ(rig.hooks.gaugeDraws, 3);
}

TEST(MonitorTick, CalibrationEndingAtFullChargeReadsTheInformationAgain) {
  for (const std::uint32_t capacity : {45000u, 44000u}) {
    MonitorRig rig;
    rig.sys.settings.CalibrationLog = 1;
    rig.driver.battery(1).status = {platform::kPowerOnLine, capacity, 12600, 0};
    rig.start();
    // Running when the tick begins, ended by the reading of that tick.
    rig.hooks.calibrationAnswers = {true};
    rig.runToTick(1);
    const bool full = capacity == 45000u;
    EXPECT_EQ(rig.sys.batteryHooks.partialHealthLoads, full ? 1 : 0) << capacity;
    EXPECT_EQ(rig.hooks.calibrationClosings, full ? 1 : 0) << capacity;
  }
}

}  // namespace
}  // namespace voltaro::monitor
