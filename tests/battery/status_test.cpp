#include <gtest/gtest.h>

#include "battery/information_texts.h"
#include "battery_rig.h"

namespace voltaro::battery {
namespace {

using platform::Clip;
using platform::kCharging;
using platform::kCritical;
using platform::kDischarging;
using platform::kPowerOnLine;
using view::Page;

class StatusRead : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.driver.setBattery(1, 17);
    rig.driver.battery(1).information.fullChargedCapacity = 50000;
    rig.driver.battery(1).estimatedTime = platform::kUnknownTime;
    rig.start();
    rig.access.config0(true);
  }
  // One completed reading with the given status.
  void reading(std::uint32_t state, std::uint32_t capacity, std::int32_t rate,
               std::uint32_t voltage = 11100) {
    rig.driver.battery(1).status = {state, capacity, voltage, rate};
    rig.tick();
  }
  std::vector<std::string> balloonTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : rig.tray.balloons) {
      EXPECT_EQ(b.title, "Message");
      EXPECT_EQ(b.icon, view::BalloonIcon::Info);
      EXPECT_EQ(b.timeoutMilliseconds, 10000u);
      texts.push_back(b.text);
    }
    return texts;
  }
  BatteryRig rig;
};

TEST(ModeText, PrecedenceOfThePowerStateFlags) {
  EXPECT_EQ(modeText(0, false), "AC Power");
  EXPECT_EQ(modeText(kDischarging, false), "Discharging");
  EXPECT_EQ(modeText(kDischarging | kCritical, false), "Critical");
  EXPECT_EQ(modeText(kPowerOnLine | kDischarging | kCritical, false), "AC Power");
  EXPECT_EQ(modeText(kPowerOnLine | kCharging, true), "Charging");
  EXPECT_EQ(modeText(kCharging | kCritical, false), "Critical");
}

TEST_F(StatusRead, PowerSourceAndChargingFromTheFlags) {
  reading(0, 30000, 0);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Mode"), "AC Power");
  EXPECT_FALSE(rig.live.onPower);
  EXPECT_FALSE(rig.live.charging);

  reading(kPowerOnLine | kCharging, 50000, 0);  // 100 %: not charging
  EXPECT_TRUE(rig.live.onPower);
  EXPECT_FALSE(rig.live.charging);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Mode"), "AC Power");

  reading(kCharging, 49800, 0);  // 99.6 %
  EXPECT_FLOAT_EQ(rig.live.percent(1), 99.6f);
  EXPECT_TRUE(rig.live.onPower);  // charging alone counts as external power
  EXPECT_TRUE(rig.live.charging);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Mode"), "Charging");

  reading(kDischarging | kCritical, 2000, -9000);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Mode"), "Critical");
  EXPECT_FLOAT_EQ(rig.live.percent(1), 4.0f);
}

TEST_F(StatusRead, FiguresAndTheirTexts) {
  reading(kDischarging, 30000, -12000, 11100);
  EXPECT_EQ(rig.live.dischargeEstimate, 9000u);
  EXPECT_EQ(rig.live.chargeEstimate, 0u);
  EXPECT_EQ(rig.live.lastCapacity, 30000u);
  EXPECT_EQ(rig.live.lastRate, -12000);
  EXPECT_FLOAT_EQ(rig.live.percent(1), 60.0f);
  EXPECT_EQ(rig.text(Page::Information, "Current Capacity"), "30,000");
  EXPECT_EQ(rig.text(Page::Information, "Battery Voltage"), "11,100");
  EXPECT_EQ(rig.text(Page::Information, "Charge Rate"), "-12,000");
  EXPECT_EQ(rig.live.remaining(1), 9000u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "2 h 30 m");

  reading(kDischarging, 30000, -100);  // the bound is strict
  EXPECT_EQ(rig.live.dischargeEstimate, 0u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "None");

  reading(kDischarging, 30000, static_cast<std::int32_t>(platform::kUnknownRate));
  EXPECT_EQ(rig.text(Page::Information, "Charge Rate"), "None");

  // Charging at 10 W from 40,000 to 50,000 mWh: 3,600 s.
  reading(kPowerOnLine | kCharging, 40000, 10000);
  EXPECT_EQ(rig.live.chargeEstimate, 3600u);
  EXPECT_EQ(rig.live.remaining(1), 3600u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "1 h 0 m");

  reading(kPowerOnLine, 51000, 0);  // above the full-charged capacity
  EXPECT_FLOAT_EQ(rig.live.percent(1), 100.0f);
  EXPECT_EQ(rig.live.knownRemaining(1), std::nullopt);
}

TEST_F(StatusRead, DriverEstimateOnBatteryAndItsUnknownValue) {
  reading(kDischarging, 30000, -20000);   // 5,400 s by capacity and rate
  EXPECT_EQ(rig.live.estimatedTime, 0u);  // 0xFFFFFFFF reads as 0
  EXPECT_EQ(rig.live.remaining(1), 5400u);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "1 h 30 m");

  rig.driver.battery(1).estimatedTime = 4000;
  reading(kDischarging, 30000, -20000);
  EXPECT_EQ(rig.live.remaining(1), 4000u);

  // On external power the driver's estimate is ignored.
  reading(kPowerOnLine, 30000, 0);
  EXPECT_EQ(rig.live.knownRemaining(1), std::nullopt);
}

TEST_F(StatusRead, EstimateRequestStillPendingKeepsTheTime) {
  reading(kDischarging, 30000, -12000);
  ASSERT_EQ(rig.text(Page::LeftColumn, "Time"), "2 h 30 m");
  rig.driver.setRequestBehaviour(platform::RequestId::Estimate,
                                 {platform::sim::SimRequestMode::Never, 1});
  reading(kDischarging, 15000, -12000);
  EXPECT_EQ(rig.text(Page::Information, "Current Capacity"), "15,000");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "2 h 30 m");
  EXPECT_EQ(rig.live.remaining(1), 9000u);
}

TEST_F(StatusRead, OneNoticePerTransition) {
  reading(kPowerOnLine, 30000, 0);  // started on external power: no notice
  EXPECT_TRUE(rig.tray.balloons.empty());

  for (int i = 0; i < 3; ++i) reading(kDischarging, 29000, -9000);
  EXPECT_EQ(balloonTexts(), std::vector<std::string>{"Battery is discharging"});
  EXPECT_EQ(rig.audio.played, std::vector<Clip>{Clip::Discharging});
  EXPECT_EQ(rig.hooks.logMarkers, std::vector<std::uint8_t>{111});

  for (int i = 0; i < 3; ++i) reading(kPowerOnLine | kCharging, 29000, 9000);
  EXPECT_EQ(balloonTexts().back(), "Battery is charging");
  EXPECT_EQ(rig.audio.played.back(), Clip::Charging);
  EXPECT_EQ(rig.tray.balloons.size(), 2u);

  for (int i = 0; i < 3; ++i) reading(kPowerOnLine, 50000, 0);
  EXPECT_EQ(balloonTexts().back(), "Battery is fully charged");
  EXPECT_EQ(rig.audio.played.back(), Clip::FullyCharged);
  EXPECT_EQ(rig.tray.balloons.size(), 3u);
  EXPECT_EQ(rig.hooks.adviceClears, 1);
  EXPECT_EQ(rig.hooks.logMarkers.size(), 1u);
}

TEST_F(StatusRead, StartOnBatteryAndSettingsThatSilenceNotices) {
  rig.settings.PlayVoices = 0;
  reading(kDischarging, 30000, -9000);  // on-power starts true: an unplugging
  EXPECT_EQ(balloonTexts(), std::vector<std::string>{"Battery is discharging"});
  EXPECT_TRUE(rig.audio.played.empty());

  rig.settings.PlayVoices = 1;
  rig.settings.BalloonHints = 0;
  reading(kPowerOnLine, 50000, 0);  // plugged in at 100 %: fully charged, no "charging"
  EXPECT_EQ(rig.tray.balloons.size(), 1u);
  EXPECT_EQ(rig.audio.played, std::vector<Clip>{Clip::FullyCharged});
}

TEST_F(StatusRead, FullBatteryAtStartAndAfterABatterySwitch) {
  reading(kPowerOnLine, 50000, 0);  // previous percent starts at 0
  EXPECT_EQ(balloonTexts(), std::vector<std::string>{"Battery is fully charged"});
  rig.live.previousPercent.fill(111);  // a battery switch
  reading(kPowerOnLine, 50000, 0);
  EXPECT_EQ(rig.tray.balloons.size(), 1u);
  reading(kPowerOnLine | kCharging, 49000, 5000);
  reading(kPowerOnLine, 49800, 0);  // 99.6 rounds to 100
  EXPECT_EQ(rig.tray.balloons.size(), 2u);
}

TEST_F(StatusRead, CalibrationSteps) {
  rig.hooks.calibrating = true;
  reading(kDischarging, 3750, -9000);  // 7.5 % rounds to 8
  EXPECT_EQ(rig.hooks.dischargedSteps, 0);
  reading(kDischarging, 3500, -9000);  // 7 %
  EXPECT_EQ(rig.hooks.dischargedSteps, 1);
  reading(kPowerOnLine, 50000, 0);
  EXPECT_EQ(rig.hooks.completedRecords, 0);  // no completion marker yet
  rig.hooks.completionMarker = true;
  reading(kPowerOnLine, 50000, 0);
  EXPECT_EQ(rig.hooks.completedRecords, 1);
  EXPECT_EQ(rig.hooks.calibrationEnds, 1);

  rig.hooks.calibrating = false;
  reading(kDischarging, 1000, -9000);
  EXPECT_EQ(rig.hooks.dischargedSteps, 1);
}

TEST_F(StatusRead, UnknownFiguresStayUnknownAndKeepTheLastGoodOnes) {
  // No full-charged capacity: the charge has no percentage.
  rig.driver.battery(1).informationFails = true;
  rig.access.config0(true);
  reading(kDischarging, 30000, -12000);
  EXPECT_EQ(rig.live.knownPercent(1), std::nullopt);
  EXPECT_EQ(rig.live.dischargeEstimate, 9000u);
  EXPECT_EQ(rig.live.knownRemaining(1), 9000u);

  // A reading without a charge before any good one: nothing becomes 0.
  rig.driver.battery(1).informationFails = false;
  rig.access.config0(true);
  const auto unknownRate = static_cast<std::int32_t>(platform::kUnknownRate);
  rig.live.forgetSlot(1);
  rig.live.forgetReading();
  reading(kDischarging, platform::kUnknownCapacity, unknownRate, platform::kUnknownVoltage);
  EXPECT_EQ(rig.live.knownPercent(1), std::nullopt);
  EXPECT_EQ(rig.live.knownRemaining(1), std::nullopt);
  EXPECT_EQ(rig.text(Page::Information, "Current Capacity"), "None");
  EXPECT_EQ(rig.text(Page::Information, "Battery Voltage"), "None");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Time"), "None");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Mode"), "Discharging");  // the power state is known

  // A good reading, then one that fails again: the good figures stay.
  reading(kDischarging, 27500, -11000);
  reading(kDischarging, platform::kUnknownCapacity, -11000);
  EXPECT_FLOAT_EQ(rig.live.knownPercent(1).value_or(-1), 55.0f);
  EXPECT_EQ(rig.live.lastCapacity, 27500u);
  EXPECT_EQ(rig.text(Page::Information, "Current Capacity"), "27,500");
  EXPECT_EQ(rig.live.knownRemaining(1), 9000u);
}

TEST_F(StatusRead, PercentageOnlyBatteryShowsItsPercentAndNoCapacities) {
  auto& info = rig.driver.battery(1).information;
  info.capabilities |= platform::kCapCapacityRelative;
  info.designedCapacity = info.fullChargedCapacity = 100;
  rig.access.config0(true);
  reading(kDischarging, 55, static_cast<std::int32_t>(platform::kUnknownRate));
  EXPECT_FLOAT_EQ(rig.live.knownPercent(1).value_or(-1), 55.0f);
  for (const char* caption : {"Designed Capacity", "Full Charged Capacity", "Current Capacity",
                              "Charge Rate", "Capacity Drop"}) {
    EXPECT_EQ(rig.text(Page::Information, caption), "None") << caption;
  }
}

}  // namespace
}  // namespace voltaro::battery
