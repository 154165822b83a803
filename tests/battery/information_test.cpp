#include <gtest/gtest.h>

#include "battery/battery_key.h"
#include "battery/information_texts.h"
#include "battery_rig.h"

namespace voltaro::battery {
namespace {

using view::Page;

TEST(BatteryKey, CheckValueAndSafeText) {
  EXPECT_EQ(makeBatteryKey("NoID"), "NoID027");
  EXPECT_EQ(makeBatteryKey("ABCD"), "ABCD051");
  EXPECT_EQ(makeBatteryKey("ABC"), "NoID027");  // too short to name a battery
  EXPECT_EQ(makeBatteryKey(""), "NoID027");
  // '/' counts in the check value but not in the name; '*' in neither:
  // 0x37 ^ 'A' ^ 'B' ^ '/' ^ 'C' ^ 'D' = 0x1C.
  EXPECT_EQ(makeBatteryKey("AB/C*D"), "ABCD028");
  // A blank is dropped from both: 0x37 ^ 'A' ^ 'B' ^ 'C' ^ 'D' again.
  EXPECT_EQ(makeBatteryKey("AB CD"), "ABCD051");
  EXPECT_EQ(batteryKeyCheck(std::string("ABCD") + '\xE9'), 0x33);
}

TEST(InformationTexts, ChemistryCapabilitiesTechnologyDate) {
  EXPECT_EQ(chemistryText({'l', 'i', 'o', 'n'}), "Lithium Ion");
  EXPECT_EQ(chemistryText({'L', 'i', 'I', 'o'}), "LiIo");  // LIIO is no known code
  EXPECT_EQ(chemistryText({'L', 'I', '-', 'I'}), "Lithium Ion");
  EXPECT_EQ(chemistryText({'P', 'b', 'A', 'c'}), "Lead Acid");
  EXPECT_EQ(chemistryText({'R', 'A', '-', 'M'}), "Alkaline-Manganese");
  EXPECT_EQ(chemistryText({'N', 'i', 0, 'X'}), "Ni");  // a 0 byte ends the text
  EXPECT_EQ(capabilitiesText(0x80000001), "General Power");
  EXPECT_EQ(capabilitiesText(0x00000003), "Discharge Supported");
  EXPECT_EQ(capabilitiesText(0x00000001), "Charge Supported");
  EXPECT_EQ(capabilitiesText(0x20000001), "Fail-safe operation");
  EXPECT_EQ(capabilitiesText(0), "General Power");
  EXPECT_EQ(technologyText(0), "Nonrechargeable");
  EXPECT_EQ(technologyText(2), "Rechargeable");
  EXPECT_EQ(manufactureDateText({15, 3, 2012}), "15-3-2012");
  EXPECT_EQ(manufactureDateText({0, 3, 2012}), "None");
  EXPECT_EQ(temperatureText(3031), "29.95   C");
  EXPECT_EQ(temperatureText(2731), "-0.05   C");
  EXPECT_EQ(temperatureText(0), "None");
  EXPECT_EQ(temperatureText(0xFFFFFFFF), "None");
}

class InformationRead : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.driver.setBattery(1, 17);
    auto& b = rig.driver.battery(1);
    b.deviceName = "Pack";
    b.manufacturer = "Kel";
    b.serialNumber.reset();  // the pack keeps no serial number
    b.manufactureDate = platform::BatteryManufactureDate{15, 3, 2012};
    b.information.designedCapacity = 50000;
    b.information.fullChargedCapacity = 45000;
    b.information.defaultAlert1 = 2500;
    b.information.defaultAlert2 = 5000;
    b.information.criticalBias = 1234;
    b.information.chemistry = {'l', 'i', 'o', 'n'};
    b.information.capabilities = 0x00000003;
    b.information.cycleCount = 0;
    b.temperature = 3031;
    rig.start();
  }
  BatteryRig rig;
};

TEST_F(InformationRead, WritesTheInformationPageOfThePrimaryBattery) {
  rig.access.config0(true);
  EXPECT_EQ(rig.text(Page::Information, "Device Name"), "Pack");
  EXPECT_EQ(rig.text(Page::Information, "Manufacturer"), "Kel");
  EXPECT_EQ(rig.text(Page::Information, "Serial Number"), "None");
  EXPECT_EQ(rig.text(Page::Information, "Manufacture Date"), "15-3-2012");
  EXPECT_EQ(rig.text(Page::Information, "Designed Capacity"), "50,000");
  EXPECT_EQ(rig.text(Page::Information, "Full Charged Capacity"), "45,000");
  EXPECT_EQ(rig.text(Page::Information, "Capacity Drop"), "5,000");
  EXPECT_EQ(rig.text(Page::Information, "Warning Alert"), "5,000");
  EXPECT_EQ(rig.text(Page::Information, "Low Level Alert"), "2,500");
  EXPECT_EQ(rig.text(Page::Information, "Critical Bias"), "1,234");
  EXPECT_EQ(rig.text(Page::Information, "Chemistry"), "Lithium Ion");
  EXPECT_EQ(rig.text(Page::Information, "Capabilities"), "Discharge Supported");
  EXPECT_EQ(rig.text(Page::Information, "Technology"), "Rechargeable");
  EXPECT_EQ(rig.text(Page::Information, "Temperature"), "29.95   C");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Wear"), "10 %");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Cycles"), "0");
  // The failed serial number is left out of the identity.
  EXPECT_EQ(rig.info.identity, "PackKel15-3-2012");
  EXPECT_EQ(rig.info.batteryKey, makeBatteryKey("PackKel15-3-2012"));
  EXPECT_EQ(rig.hooks.loadhealthCalls, std::vector<bool>{true});
  EXPECT_EQ(rig.driver.openHandleCount(), 0);
}

TEST_F(InformationRead, DigitGroupingFollowsTheSetting) {
  rig.settings.DigitGrouping = 2;
  rig.access.config0(false);
  EXPECT_EQ(rig.text(Page::Information, "Designed Capacity"), "50.000");
  rig.settings.DigitGrouping = 0;
  rig.access.config0(false);
  EXPECT_EQ(rig.text(Page::Information, "Designed Capacity"), "50000");
  EXPECT_EQ(rig.hooks.loadhealthCalls, (std::vector<bool>{false, false}));
}

TEST_F(InformationRead, HealthStoreWritesThePrimaryWearAndCycles) {
  rig.hooks.loadhealthShows = true;
  rig.texts.set(Page::Calibrate, "Full Discharge Cycles", "12");
  rig.access.config0(true);
  EXPECT_FALSE(rig.texts.has(Page::Information, "Capacity Drop"));
  EXPECT_FALSE(rig.texts.has(Page::LeftColumn, "Wear"));
  EXPECT_EQ(rig.text(Page::LeftColumn, "Cycles"), "12");

  rig.driver.battery(1).information.cycleCount = 321;
  rig.access.config0(false);
  EXPECT_EQ(rig.text(Page::LeftColumn, "Cycles"), "321");
}

TEST_F(InformationRead, OtherSlotLeavesTheKeyAndHealthAlone) {
  rig.access.config0(true);
  rig.driver.setBattery(2, 18);  // not in the device set made at start
  rig.access.scanslots();
  EXPECT_EQ(rig.slots.slotCount, 1);

  BatteryRig two;
  two.driver.setBattery(1, 17);
  two.driver.setBattery(2, 18);
  auto& b = two.driver.battery(2);
  b.information.designedCapacity = 50000;
  b.information.fullChargedCapacity = 52000;  // above designed: no wear
  b.information.cycleCount = 0;
  two.start();
  two.access.config0(true);
  const std::string primaryKey = two.info.batteryKey;
  two.slots.currentSlot = 2;
  two.access.config0(true);
  EXPECT_EQ(two.info.batteryKey, primaryKey);
  EXPECT_EQ(two.hooks.loadhealthCalls.size(), 1u);
  EXPECT_EQ(two.text(Page::Information, "Capacity Drop"), "0");
  EXPECT_EQ(two.text(Page::LeftColumn, "Wear"), "0 %");
  EXPECT_EQ(two.text(Page::LeftColumn, "Cycles"), "0");
  EXPECT_EQ(two.info.information.fullChargedCapacity, 52000u);
}

TEST_F(InformationRead, FailedQueriesShowTheDefaults) {
  auto& b = rig.driver.battery(1);
  b.informationFails = true;
  b.deviceName.reset();
  b.manufacturer.reset();
  b.manufactureDate.reset();
  b.temperature.reset();
  rig.access.config0(true);
  EXPECT_EQ(rig.text(Page::Information, "Chemistry"), "None");
  EXPECT_EQ(rig.text(Page::Information, "Capabilities"), "General Power");
  EXPECT_EQ(rig.text(Page::Information, "Technology"), "Nonrechargeable");
  EXPECT_EQ(rig.text(Page::Information, "Designed Capacity"), "0");
  EXPECT_EQ(rig.text(Page::Information, "Manufacture Date"), "None");
  EXPECT_EQ(rig.text(Page::Information, "Temperature"), "None");
  EXPECT_EQ(rig.text(Page::LeftColumn, "Wear"), "0 %");
  EXPECT_EQ(rig.info.batteryKey, "NoID027");
}

TEST_F(InformationRead, ReadThatStopsEarlyLeavesTheTexts) {
  rig.access.config0(true);
  rig.driver.removeBattery(1);
  rig.driver.battery(1).information.designedCapacity = 1;
  rig.access.config0(true);
  EXPECT_EQ(rig.text(Page::Information, "Designed Capacity"), "50,000");
  EXPECT_FALSE(rig.slots.slot(1).batteryPresent);
  EXPECT_TRUE(rig.slots.slot(1).interfacePresent);
  EXPECT_EQ(rig.driver.openHandleCount(), 0);

  rig.driver.slot(1).openFails = true;
  rig.access.config0(true);
  EXPECT_TRUE(rig.slots.slot(1).interfacePresent);
  EXPECT_TRUE(rig.slots.slot(1).devicePath.size() > 0);
  EXPECT_EQ(rig.hooks.loadhealthCalls.size(), 1u);
}

}  // namespace
}  // namespace voltaro::battery
