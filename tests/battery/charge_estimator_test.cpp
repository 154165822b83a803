#include <gtest/gtest.h>

#include "battery_rig.h"

namespace voltaro::battery {
namespace {

using platform::kCharging;
using platform::kDischarging;
using platform::kPowerOnLine;
using view::Page;

constexpr std::int32_t kUnknown = static_cast<std::int32_t>(platform::kUnknownRate);

// A charge on a driver that reports no rate: the estimate comes from the
// learned speed. Full-charged capacity 50,000 mWh throughout.
class LearnedEstimator : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.driver.setBattery(1, 17);
    rig.driver.battery(1).information.fullChargedCapacity = 50000;
    rig.start();
    rig.access.config0(true);
  }
  // Moves the clock to `seconds` after the first reading's tick, then reads.
  void readAt(int seconds, std::uint32_t state, std::uint32_t capacity) {
    rig.driver.battery(1).status = {state, capacity, 12000, kUnknown};
    const auto target = static_cast<std::uint64_t>(seconds) * 1000 + 1000;
    rig.runtime.advance(target - rig.runtime.elapsedMilliseconds() - 1000);
    rig.tick();
  }
  BatteryRig rig;
};

TEST_F(LearnedEstimator, LearnsTheSpeedOverACharge) {
  ASSERT_EQ(rig.settings.LearnedChargeRate, 500000u);
  readAt(0, kPowerOnLine | kCharging, 20000);
  // 30,000 mWh at 500,000 mWh per day: 0.06 day = 5,184 s.
  EXPECT_EQ(rig.live.chargeEstimate, 5184u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "1 h 26 m");

  readAt(60, kPowerOnLine | kCharging, 20100);  // first change: 5,184 - 60
  EXPECT_EQ(rig.live.chargeEstimate, 5124u);
  readAt(120, kPowerOnLine | kCharging, 20200);  // second change
  EXPECT_EQ(rig.live.chargeEstimate, 5064u);
  EXPECT_EQ(rig.hooks.saveChargeRateCalls, 0);

  // Third change: 100 mWh in 60 s is 144,000 mWh per day; the remaining
  // 29,700 mWh take 17,820 s, less the 60 s since the previous change.
  readAt(180, kPowerOnLine | kCharging, 20300);
  EXPECT_EQ(rig.settings.LearnedChargeRate, 144000u);
  EXPECT_EQ(rig.live.chargeEstimate, 17760u);
  EXPECT_EQ(rig.hooks.saveChargeRateCalls, 1);

  readAt(190, kPowerOnLine | kCharging, 20300);  // no change: counts from it
  EXPECT_EQ(rig.live.chargeEstimate, 17810u);
  EXPECT_EQ(rig.live.estimatorChanges, 3u);

  // 200 mWh in 60 s: 288,000 per day; 29,500 mWh take 8,850 s, less 60.
  readAt(240, kPowerOnLine | kCharging, 20500);
  EXPECT_EQ(rig.settings.LearnedChargeRate, 288000u);
  EXPECT_EQ(rig.live.chargeEstimate, 8790u);
  EXPECT_EQ(rig.hooks.saveChargeRateCalls, 1);  // saved on the third change only

  // Charging stops: the estimator stops and restarts with the next charge.
  readAt(250, kPowerOnLine, 20500);
  EXPECT_EQ(rig.live.estimatorStart, 0.0);
  EXPECT_EQ(rig.live.estimatorChanges, 0u);
  EXPECT_EQ(rig.live.chargeEstimate, 0u);
}

TEST_F(LearnedEstimator, PlugInStartsItAndRestoresComposition) {
  rig.settings.EnableAeroOnAC = 1;
  readAt(0, kDischarging, 20000);
  EXPECT_EQ(rig.live.estimatorStart, 0.0);
  readAt(10, kPowerOnLine | kCharging, 20000);
  EXPECT_EQ(rig.hooks.compositionRestores, 1);
  EXPECT_EQ(rig.live.estimatorStart, rig.runtime.now());
  EXPECT_EQ(rig.live.chargeEstimate, 5184u);
  readAt(20, kPowerOnLine | kCharging, 20000);
  EXPECT_EQ(rig.hooks.compositionRestores, 1);
  EXPECT_EQ(rig.live.chargeEstimate, 5174u);

  rig.settings.EnableAeroOnAC = 0;
  readAt(30, kDischarging, 20000);
  readAt(40, kPowerOnLine | kCharging, 20000);
  EXPECT_EQ(rig.hooks.compositionRestores, 1);
}

TEST_F(LearnedEstimator, NoLearnedSpeedLeavesTheEstimateAtZero) {
  rig.settings.LearnedChargeRate = 0;
  readAt(0, kPowerOnLine | kCharging, 20000);
  EXPECT_EQ(rig.live.chargeEstimate, 0u);
  readAt(60, kPowerOnLine | kCharging, 20000);
  readAt(120, kPowerOnLine | kCharging, 19900);  // capacity fell: nothing learned
  readAt(180, kPowerOnLine | kCharging, 19800);
  EXPECT_EQ(rig.settings.LearnedChargeRate, 0u);
  EXPECT_EQ(rig.live.chargeEstimate, 0u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "None");
}

TEST_F(LearnedEstimator, UsableDriverRateTakesPrecedence) {
  rig.driver.battery(1).status = {kPowerOnLine | kCharging, 20000, 12000, 15000};
  rig.tick();
  // 30,000 mWh at 15 W: 7,200 s.
  EXPECT_EQ(rig.live.chargeEstimate, 7200u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "2 h 0 m");
}

}  // namespace
}  // namespace voltaro::battery
