// Start without a battery, suspend and resume, abandoned requests and the
// battery switch, on virtual time.
#include <gtest/gtest.h>

#include <algorithm>

#include "monitor_rig.h"

namespace voltaro::monitor {
namespace {

using platform::PowerEvent;
using platform::RequestId;
using platform::sim::SimRequestMode;

TEST(MonitorRecovery, StartWithoutBatteryKeepsLookingForOne) {
  MonitorRig rig;
  rig.driver.setEmptyInterface(1);
  rig.start();
  // The tick runs without a battery: it scans the slots every second tick.
  EXPECT_TRUE(rig.monitor.tickRunning());
  rig.at(10000, [&] { rig.driver.insertBattery(1, 1001); });
  rig.runtime.advance(10000 - rig.runtime.elapsedMilliseconds());
  EXPECT_EQ(rig.left("Charge"), "None");
  EXPECT_EQ(rig.tray.hint(), "Voltaro\r\nNo battery detected!");
  // Found by the scan of tick 10 (10.25 s), read by ticks 11 and 12.
  rig.runToTick(12);
  EXPECT_TRUE(rig.monitor.firstReadingDone());
  EXPECT_EQ(rig.left("Charge"), "67 %");
  EXPECT_NE(rig.tray.hint().find("67 %"), std::string::npos) << rig.tray.hint();
  rig.runtime.advance(60000);
  EXPECT_EQ(rig.hooks.brightnessReopens, 0);  // the watchdog leaves a running tick alone
}

TEST(MonitorRecovery, SuspendWithoutResumeIsRecoveredByTheWatchdog) {
  MonitorRig rig;
  // Two polls a request, so a cycle is open between two ticks.
  rig.driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Pending, 2});
  rig.start();
  rig.at(31500, [&] { rig.power.fire(PowerEvent::Suspend); });
  rig.runtime.advance(31600 - rig.runtime.elapsedMilliseconds());
  EXPECT_FALSE(rig.monitor.tickRunning());
  EXPECT_EQ(rig.driver.cancelCount(), 1);      // the open status request was cancelled
  EXPECT_EQ(rig.driver.openHandleCount(), 0);  // and its handle closed
  EXPECT_EQ(rig.monitor.counters().sixty, 31);
  rig.runtime.advance(39999 - rig.runtime.elapsedMilliseconds());
  EXPECT_EQ(rig.monitor.counters().sixty, 31);  // no tick while paused
  rig.runtime.advance(1);                       // watchdog at 40 s
  EXPECT_TRUE(rig.monitor.tickRunning());
  EXPECT_FALSE(rig.monitor.firstReadingDone());
  rig.runtime.advance(2000);  // ticks at 41 and 42 s complete a new cycle
  EXPECT_EQ(rig.monitor.counters().sixty, 33);
  EXPECT_TRUE(rig.monitor.firstReadingDone());
}

TEST(MonitorRecovery, ResumeEventRestartsAtOnce) {
  MonitorRig rig;
  rig.start();
  rig.runToTick(3);
  rig.power.fire(PowerEvent::Standby);
  EXPECT_FALSE(rig.monitor.tickRunning());
  rig.power.fire(PowerEvent::ResumeStandby);
  EXPECT_TRUE(rig.monitor.tickRunning());
  EXPECT_EQ(rig.hooks.brightnessReopens, 1);
  EXPECT_EQ(rig.sys.live.lastCapacity, 0u);
  EXPECT_EQ(rig.sys.batteryHooks.fullHealthLoads, 2);  // start and recovery
}

TEST(MonitorRecovery, ARequestThatNeverCompletesIsAbandonedOnItsTenthPoll) {
  MonitorRig rig;
  rig.driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Never, 1});
  rig.start();
  rig.runToTick(9);
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), 9);
  EXPECT_EQ(rig.driver.issueCount(RequestId::Status), 1);
  rig.runToTick(10);
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), 10);
  rig.runToTick(11);  // the cycle ended on tick 10: a new one starts
  EXPECT_EQ(rig.driver.issueCount(RequestId::Status), 2);
  EXPECT_EQ(rig.hooks.brightnessReopens, 0);  // one abandoned request is no recovery
  EXPECT_FALSE(rig.monitor.firstReadingDone());
  EXPECT_TRUE(rig.tray.hints.empty());
}

TEST(MonitorRecovery, BothRequestsAbandonedRunTheRecovery) {
  MonitorRig rig;
  rig.driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Never, 1});
  rig.driver.setRequestBehaviour(RequestId::Estimate, {SimRequestMode::Never, 1});
  rig.start();
  rig.runToTick(9);
  EXPECT_EQ(rig.hooks.brightnessReopens, 0);
  rig.runToTick(10);
  EXPECT_EQ(rig.hooks.brightnessReopens, 1);
  EXPECT_EQ(rig.sys.batteryHooks.fullHealthLoads, 2);
  EXPECT_TRUE(rig.monitor.tickRunning());
  EXPECT_FALSE(rig.monitor.busy());
  // The recovery inside the tick does not wait for the tick's own flag: the
  // next tick comes on time.
  EXPECT_EQ(rig.monitor.counters().sixty, 10);
  rig.runToTick(11);
  EXPECT_EQ(rig.monitor.counters().sixty, 11);
  EXPECT_EQ(rig.driver.issueCount(RequestId::Status), 2);
  EXPECT_EQ(rig.driver.openHandleCount(), 1);
  rig.runToTick(20);
  EXPECT_EQ(rig.hooks.brightnessReopens, 2);
}

TEST(MonitorRecovery, SwitchWithOneBattery) {
  MonitorRig rig;
  rig.start();
  rig.runToTick(3);
  rig.monitor.act8();
  EXPECT_EQ(rig.status.texts, (std::vector<std::string>{"No more batteries!"}));
  auto refusals = [&] {
    return std::count(rig.audio.played.begin(), rig.audio.played.end(), platform::Clip::Refusal);
  };
  EXPECT_EQ(refusals(), 1);
  EXPECT_EQ(rig.sys.slots.currentSlot, 1);
  EXPECT_EQ(rig.hooks.historyClears, 0);
  EXPECT_TRUE(rig.monitor.firstReadingDone());
  EXPECT_EQ(rig.left("Charge"), "67 %");

  rig.sys.settings.PlaySounds = 0;
  rig.monitor.act8();
  EXPECT_EQ(refusals(), 1);
  EXPECT_EQ(rig.status.texts.size(), 2u);
}

TEST(MonitorRecovery, SwitchToTheSecondBattery) {
  MonitorRig rig;
  rig.driver.setBattery(2, 2002);
  rig.driver.battery(2).status.capacity = 9000;  // 20 %
  rig.start();
  rig.runToTick(3);
  rig.hooks.calibrating = true;
  rig.monitor.act8();
  EXPECT_EQ(rig.status.texts.back(), "Calibration in progress!");
  EXPECT_EQ(rig.sys.slots.currentSlot, 1);
  rig.hooks.calibrating = false;

  rig.monitor.act8();
  EXPECT_EQ(rig.status.texts.back(), "Battery 2 selected");
  EXPECT_EQ(rig.sys.slots.currentSlot, 2);
  EXPECT_EQ(rig.sys.slots.primarySlot, 1);
  EXPECT_EQ(rig.hooks.historyClears, 1);
  EXPECT_EQ(rig.left("Charge"), "0");
  EXPECT_EQ(rig.sys.texts.get(view::Page::Information, "Designed Capacity"), "50,000");
  EXPECT_FLOAT_EQ(rig.sys.live.previousPercent[0], 111.0f);
  EXPECT_FALSE(rig.monitor.firstReadingDone());
  EXPECT_TRUE(rig.monitor.tickRunning());
  rig.runtime.advance(1000);
  EXPECT_EQ(rig.left("Charge"), "20 %");
  EXPECT_EQ(rig.tray.hint(),
            "Battery 2 selected, discharging\r\nCapacity:    20 %\r\nRemaining: 45 min");
  // Round trip back to battery 1.
  rig.monitor.act8();
  EXPECT_EQ(rig.status.texts.back(), "Battery 1 selected");
}

}  // namespace
}  // namespace voltaro::monitor
