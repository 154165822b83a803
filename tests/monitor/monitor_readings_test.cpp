// Readings over time: the learned charge estimator over a charge, the
// power-source notices, the health counters and the two-hourly re-read.
#include <gtest/gtest.h>

#include "monitor_rig.h"

namespace voltaro::monitor {
namespace {

using platform::kCharging;
using platform::kPowerOnLine;
using platform::PowerEvent;

// Tick n runs at 250 + 1000 n ms; a change at 500 ms past a tick is read by
// the next one.
constexpr std::uint64_t afterTick(std::uint64_t n) {
  return MonitorRig::kStartMs + n * 1000 + 250;
}

TEST(MonitorReadings, LearnedChargeEstimatorOverACharge) {
  MonitorRig rig;
  // On power, charging from 20,000 of 45,000 mWh, without a usable rate.
  rig.driver.battery(1).status = {kPowerOnLine | kCharging, 20000, 12000, 0};
  auto raiseBy100 = [&] { rig.driver.battery(1).status.capacity += 100; };
  rig.at(afterTick(60), raiseBy100);
  rig.at(afterTick(120), raiseBy100);
  rig.at(afterTick(180), raiseBy100);
  rig.at(afterTick(240), raiseBy100);
  rig.start();

  rig.runToTick(1);
  // The estimator starts at the first charging reading: 25,000 mWh at the
  // default 500,000 mWh a day is 4,320 s.
  EXPECT_EQ(rig.sys.live.chargeEstimate, 4320u);
  EXPECT_EQ(rig.left("Time"), "1 h 12 m");
  rig.runToTick(2);
  EXPECT_EQ(rig.sys.live.chargeEstimate, 4319u);  // less the second spent

  rig.runToTick(61);  // first change, counted from the start
  EXPECT_EQ(rig.sys.live.chargeEstimate, 4320u - 60u);
  rig.runToTick(121);  // second change
  EXPECT_EQ(rig.sys.live.chargeEstimate, 4320u - 120u);
  EXPECT_EQ(rig.sys.batteryHooks.chargeRateSaves, 0);

  rig.runToTick(181);
  // Learned: 100 mWh in 60 s is 144,000 mWh a day; 24,700 mWh to go is
  // 14,820 s, less the 60 s since the previous change.
  EXPECT_EQ(rig.sys.settings.LearnedChargeRate, 144000u);
  EXPECT_EQ(rig.sys.live.chargeEstimate, 14760u);
  EXPECT_EQ(rig.sys.batteryHooks.chargeRateSaves, 1);  // saved on the third change
  EXPECT_EQ(rig.left("Time"), "4 h 6 m");
  rig.runToTick(182);
  EXPECT_EQ(rig.sys.live.chargeEstimate, 14819u);

  rig.runToTick(241);
  EXPECT_EQ(rig.sys.live.chargeEstimate, 14700u);
  EXPECT_EQ(rig.sys.batteryHooks.chargeRateSaves, 1);  // only the third change saves

  // A recovery stops the estimator; the next reading starts it again.
  rig.power.fire(PowerEvent::ResumeCritical);
  EXPECT_EQ(rig.sys.live.estimatorStart, 0.0);
  rig.runtime.advance(1000);
  EXPECT_NE(rig.sys.live.estimatorStart, 0.0);
}

TEST(MonitorReadings, OneNoticePerPlugAndUnplugTransition) {
  MonitorRig rig;
  rig.at(afterTick(10), [&] { rig.driver.plug(); });
  rig.at(afterTick(20), [&] { rig.driver.unplug(); });
  rig.start();
  rig.runToTick(30);
  std::vector<std::string> texts;
  for (const auto& b : rig.tray.balloons) {
    texts.push_back(b.text);
    EXPECT_EQ(b.title, "Message");
    EXPECT_EQ(b.timeoutMilliseconds, 10000u);
  }
  // Started on battery: one notice at the first reading, then one per change.
  EXPECT_EQ(texts, (std::vector<std::string>{"Battery is discharging", "Battery is charging",
                                             "Battery is discharging"}));
  using platform::Clip;
  EXPECT_EQ(rig.audio.played,
            (std::vector<Clip>{Clip::Discharging, Clip::Charging, Clip::Discharging}));
}

TEST(MonitorReadings, ChargeMinutesBecomeTheLatestChargeAtUnplugging) {
  MonitorRig rig;
  rig.driver.battery(1).status = {kPowerOnLine | kCharging, 20000, 12000, 5000};
  rig.at(afterTick(150), [&] { rig.driver.unplug(); });
  rig.start();
  rig.runToTick(150);
  EXPECT_EQ(rig.hooks.shownChargeMinutes, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_TRUE(rig.hooks.completedCharges.empty());
  EXPECT_TRUE(rig.hooks.dischargeRuns.empty());  // on power the run stays 0
  EXPECT_EQ(rig.hooks.history.back().second, HistoryKind::Charging);
  // Tick 151 reads the unplugged battery after its counters ran; tick 152
  // closes the charge.
  rig.runToTick(151);
  EXPECT_TRUE(rig.hooks.completedCharges.empty());
  rig.runToTick(152);
  EXPECT_EQ(rig.hooks.completedCharges, (std::vector<std::uint32_t>{2}));
  EXPECT_EQ(rig.monitor.healthCounters().chargeMinutes(), 0);
  rig.runToTick(180);
  EXPECT_EQ(rig.hooks.completedCharges.size(), 1u);
  EXPECT_EQ(rig.hooks.dischargeRuns, (std::vector<std::uint32_t>{1}));
}

TEST(MonitorReadings, FullDischargeHundredthsFromTheReferenceCharge) {
  MonitorRig rig;
  auto setCapacity = [&](std::uint32_t mWh) {
    return [&rig, mWh] { rig.driver.battery(1).status.capacity = mWh; };
  };
  rig.at(afterTick(6), setCapacity(29700));   // 66 %
  rig.at(afterTick(11), setCapacity(27000));  // 60 %: six percent in one step
  rig.at(afterTick(16), [&] { rig.driver.plug(); });
  rig.at(afterTick(21), [&] {
    rig.driver.unplug();
    rig.driver.battery(1).status.capacity = 27000;
  });
  rig.start();
  rig.runToTick(5);
  EXPECT_EQ(rig.hooks.hundredths, 1);  // 67 below the starting reference of 100
  EXPECT_EQ(rig.monitor.healthCounters().referenceCharge(), 67);
  rig.runToTick(10);
  EXPECT_EQ(rig.hooks.hundredths, 2);
  rig.runToTick(15);
  EXPECT_EQ(rig.hooks.hundredths, 3);  // one hundredth per check, however far
  rig.runToTick(20);
  EXPECT_EQ(rig.hooks.hundredths, 3);  // on power the reference follows the level
  EXPECT_EQ(rig.monitor.healthCounters().referenceCharge(), 60);
  rig.runToTick(25);
  EXPECT_EQ(rig.hooks.hundredths, 3);  // back on battery at 60: no drop yet
}

TEST(MonitorReadings, InformationIsReadAgainOnceAtTwoHours) {
  MonitorRig rig;
  // A pause and resume half a second apart put the ticks between whole
  // seconds of elapsed time, so exactly one tick meets the window.
  rig.at(5000, [&] { rig.power.fire(PowerEvent::Suspend); });
  rig.at(5500, [&] { rig.power.fire(PowerEvent::ResumeSuspend); });
  rig.start();
  rig.runtime.advance(7199u * 1000u);
  EXPECT_EQ(rig.sys.batteryHooks.partialHealthLoads, 0);
  rig.runtime.advance(100u * 1000u);
  EXPECT_EQ(rig.sys.batteryHooks.partialHealthLoads, 1);
  rig.hooks.calibrating = true;  // no re-read during a calibration
  rig.runtime.advance(7200u * 1000u);
  EXPECT_EQ(rig.sys.batteryHooks.partialHealthLoads, 1);
}

}  // namespace
}  // namespace voltaro::monitor
