// The running engine on a fake sysfs tree: batteries that come and go, each
// change shown within five seconds with the tray saying what the window
// shows, and a battery that tells nothing but its percentage.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine_harness.h"
#include "platform/linux/fake_power_supply_tree.h"
#include "platform/linux/sysfs_battery_driver.h"

namespace voltaro::testing {
namespace {

// A discharging battery of `fullWh` holding `nowWh`, both in whole Wh.
void addBattery(FakePowerSupplyTree& tree, const std::string& name, const char* serial,
                const char* fullMicroWh, const char* nowMicroWh) {
  tree.add(name, {{"type", "Battery"},
                  {"present", "1"},
                  {"status", "Discharging"},
                  {"energy_full_design", fullMicroWh},
                  {"energy_full", fullMicroWh},
                  {"energy_now", nowMicroWh},
                  {"power_now", "10000000"},
                  {"voltage_now", "12000000"},
                  {"model_name", "Pack"},
                  {"serial_number", serial}});
}

class EngineHotplugTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.add("AC", {{"type", "Mains"}, {"online", "0"}});
    h.batteryDriver = &sysfs;
  }
  const std::string& caption() { return h.engine().texts().get(view::Page::Caption, "Battery"); }

  FakePowerSupplyTree tree;
  platform::SysfsBatteryDriver sysfs{tree.root()};
  TemporaryFolder documents;
  EngineHarness h{documents.path()};
};

TEST_F(EngineHotplugTest, ABatteryPutInAfterTheStartIsShownWithinFiveSeconds) {
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(25);
  EXPECT_EQ(caption(), "No Battery!");
  EXPECT_EQ(h.left("Charge"), "None");
  EXPECT_EQ(h.tray.hint(), "Voltaro\r\nNo battery detected!");
  addBattery(tree, "BAT0", "A1", "50000000", "30000000");  // 60 %
  h.run(5);
  EXPECT_EQ(caption(), "Battery");
  EXPECT_EQ(h.left("Charge"), "60 %");
  EXPECT_EQ(h.tray.hint(),
            "Running on Battery, discharging\r\nCapacity:      60 %\r\n"
            "Remaining:  3 hr 0 min");
}

TEST_F(EngineHotplugTest, TheShownBatteryLeavingMovesToTheOtherAndBack) {
  addBattery(tree, "BAT0", "A1", "50000000", "30000000");  // 60 %
  addBattery(tree, "BAT1", "B2", "40000000", "10000000");  // 25 %
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(10);
  ASSERT_EQ(caption(), "Battery 1");
  ASSERT_EQ(h.left("Charge"), "60 %");

  tree.set("BAT0", "present", "0");
  h.run(5);
  EXPECT_EQ(h.engine().slots().currentSlot, 2);
  EXPECT_EQ(caption(), "Battery");
  EXPECT_EQ(h.left("Charge"), "25 %");
  EXPECT_EQ(h.statusLine.texts.back(), "Battery 2 selected");

  // The last one goes too: nothing of it stays on screen.
  tree.removeSupply("BAT1");
  h.run(5);
  EXPECT_EQ(caption(), "No Battery!");
  EXPECT_EQ(h.left("Charge"), "None");
  EXPECT_EQ(h.tray.hint(), "Voltaro\r\nNo battery detected!");
  EXPECT_FALSE(h.engine().alertRules().warningFired());

  // The first comes back: the tray follows the window again.
  tree.set("BAT0", "present", "1");
  h.run(5);
  EXPECT_EQ(caption(), "Battery");
  EXPECT_EQ(h.left("Charge"), "60 %");
  EXPECT_NE(h.tray.hint().find("60 %"), std::string::npos) << h.tray.hint();
}

TEST_F(EngineHotplugTest, APercentageOnlyBatteryShowsItsPercentAndIsNotHibernated) {
  tree.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "55"}});
  ASSERT_EQ(h.create(), 0);
  auto& s = h.engine().settings();
  s.CriticalEnabled = 1;
  s.CriticalLevel = 10;
  s.CritSystemHibernate = 1;
  s.CritShowMessage = 0;
  h.startAndRun(30);
  EXPECT_EQ(h.left("Charge"), "55 %");
  EXPECT_EQ(h.engine().texts().get(view::Page::Information, "Full Charged Capacity"), "None");
  const auto hibernations = [&] {
    return std::count(h.power.calls.begin(), h.power.calls.end(), "hibernate normal");
  };
  EXPECT_EQ(hibernations(), 0);
  tree.set("BAT0", "capacity", "9");
  h.run(10);
  EXPECT_EQ(h.left("Charge"), "9 %");
  EXPECT_EQ(hibernations(), 1);
}

}  // namespace
}  // namespace voltaro::testing
