// Readings the battery could not give: unknown figures stay unknown through
// the texts, the tray, the history and the alerts.
#include <gtest/gtest.h>

#include <algorithm>

#include "battery/information_texts.h"
#include "engine/engine_harness.h"

namespace voltaro::testing {
namespace {

using platform::kDischarging;
using platform::kUnknownCapacity;
using platform::kUnknownRate;
using platform::kUnknownVoltage;

constexpr auto kNoRate = static_cast<std::int32_t>(kUnknownRate);

bool requested(const platform::sim::SimPower& power, const std::string& call) {
  return std::find(power.calls.begin(), power.calls.end(), call) != power.calls.end();
}

class EngineReadingsTest : public ::testing::Test {
 protected:
  history::SampleKind newestKind() {
    const auto& history = h.engine().history();
    return history.kind(history.newestIndex());
  }

  TemporaryFolder documents;
  EngineHarness h{documents.path()};
};

TEST_F(EngineReadingsTest, AChargeThatCannotBeReadIsNoneAndNeverHibernates) {
  h.driver.battery(1).status = {kDischarging, kUnknownCapacity, kUnknownVoltage, kNoRate};
  ASSERT_EQ(h.create(), 0);
  auto& s = h.engine().settings();
  s.CriticalEnabled = 1;
  s.CriticalLevel = 10;
  s.CritSystemHibernate = 1;
  s.CritShowMessage = 0;
  h.startAndRun(30);
  EXPECT_FALSE(h.engine().alertRules().criticalFired());
  EXPECT_FALSE(requested(h.power, "hibernate normal"));
  EXPECT_EQ(h.left("Charge"), "None");
  EXPECT_EQ(h.left("Time"), "None");
  EXPECT_EQ(h.left("Mode"), "Discharging");
  EXPECT_EQ(h.engine().texts().get(view::Page::Information, "Current Capacity"), "None");
  EXPECT_EQ(h.tray.hint(),
            "Running on Battery, discharging\r\nCapacity:      None\r\nRemaining:  None");
  EXPECT_EQ(newestKind(), history::SampleKind::None);

  // The charge becomes readable: 4,000 of 45,000 mWh is 9 %.
  h.driver.battery(1).status = {kDischarging, 4000, 11100, -12000};
  h.run(10);
  EXPECT_EQ(h.left("Charge"), "9 %");
  EXPECT_EQ(newestKind(), history::SampleKind::OnBattery);
  EXPECT_TRUE(requested(h.power, "hibernate normal"));

  // It fails again: the last good figures stay, and nothing fires twice.
  h.driver.battery(1).status = {kDischarging, kUnknownCapacity, kUnknownVoltage, -12000};
  const auto calls = h.power.calls.size();
  h.run(10);
  EXPECT_EQ(h.left("Charge"), "9 %");
  EXPECT_EQ(h.engine().texts().get(view::Page::Information, "Current Capacity"), "4,000");
  EXPECT_EQ(h.power.calls.size(), calls);
}

TEST_F(EngineReadingsTest, MinutesWarningWaitsForAKnownRemainingTime) {
  h.driver.battery(1).status = {platform::kPowerOnLine, 45000, 12000, 0};
  ASSERT_EQ(h.create(), 0);
  auto& s = h.engine().settings();
  s.WarningEnabled = 1;
  s.WarningInMinutes = 1;
  s.WarningLevel = 10;
  h.startAndRun(10);
  // Unplugged: the first readings carry neither a rate nor an estimate.
  h.driver.battery(1).status = {kDischarging, 45000, 12000, kNoRate};
  h.run(15);
  EXPECT_FALSE(h.engine().alertRules().warningFired());
  EXPECT_EQ(h.left("Time"), "None");
  // 45,000 mWh at 12,000 mW: 3 h 45 m, far above 10 minutes.
  h.driver.battery(1).status.rate = -12000;
  h.run(10);
  EXPECT_EQ(h.left("Time"), "3 h 45 m");
  EXPECT_FALSE(h.engine().alertRules().warningFired());
  // 1,800 mWh at 12,000 mW: 9 minutes. The warning was not spent.
  h.driver.battery(1).status.capacity = 1800;
  h.run(10);
  EXPECT_TRUE(h.engine().alertRules().warningFired());
}

TEST_F(EngineReadingsTest, TheInformationIsReadAgainOnceAtEveryTwoHourMark) {
  ASSERT_EQ(h.create(), 0);
  // Monitoring starts at 0.25 s and ticks on whole seconds from there, so
  // every mark falls exactly on a tick.
  h.startAndRun(1);
  std::string expected = h.engine().texts().get(view::Page::Information, "Temperature");
  for (int hour = 1; hour <= 26; ++hour) {
    SCOPED_TRACE(hour);
    h.run(hour * 3600 - 30 - static_cast<int>(h.runtime.elapsedMilliseconds() / 1000));
    const std::uint32_t tenthsKelvin = 2931 + 10 * static_cast<std::uint32_t>(hour);
    h.driver.battery(1).temperature = tenthsKelvin;
    h.run(60);
    // Read at 2, 4, ..., 22 hours and at 26: the marks counted within a day.
    if (hour % 2 == 0 && hour != 24) expected = battery::temperatureText(tenthsKelvin);
    EXPECT_EQ(h.engine().texts().get(view::Page::Information, "Temperature"), expected);
  }
}

}  // namespace
}  // namespace voltaro::testing
