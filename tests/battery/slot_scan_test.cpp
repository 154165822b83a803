#include <gtest/gtest.h>

#include "battery_rig.h"
#include "common/scramble.h"

namespace voltaro::battery {
namespace {

using view::Page;

TEST(SlotScan, NoInterfaceAtAll) {
  BatteryRig rig;
  rig.start();
  EXPECT_EQ(rig.slots.slotCount, 0);
  EXPECT_EQ(rig.slots.batteryCount, 0);
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "No Battery!");
  EXPECT_EQ(rig.text(Page::Information, "Slots / Batteries"), "0 / 0");
  EXPECT_EQ(rig.tray.hint(), productTitle() + "\r\nNo battery detected!");
  EXPECT_EQ(rig.slots.currentSlot, 1);
}

TEST(SlotScan, EmptyFirstSlotMovesCurrentAndPrimaryToTheBattery) {
  BatteryRig rig;
  rig.driver.setEmptyInterface(1);
  rig.driver.setBattery(2, 17);
  rig.start();
  EXPECT_EQ(rig.slots.slotCount, 2);
  EXPECT_EQ(rig.slots.batteryCount, 1);
  EXPECT_EQ(rig.slots.currentSlot, 2);
  EXPECT_EQ(rig.slots.primarySlot, 2);
  EXPECT_TRUE(rig.slots.slot(1).interfacePresent);
  EXPECT_FALSE(rig.slots.slot(1).batteryPresent);
  EXPECT_EQ(rig.slots.slot(2).tag, 17u);
  EXPECT_EQ(rig.slots.slot(2).devicePath, rig.driver.slot(2).path);
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "Battery");
  EXPECT_EQ(rig.text(Page::Information, "Slots / Batteries"), "2 / 1");
  EXPECT_TRUE(rig.tray.hints.empty());
  EXPECT_EQ(rig.driver.openHandleCount(), 0);  // every scan handle is closed
}

TEST(SlotScan, TwoBatteriesNameTheCurrentSlot) {
  BatteryRig rig;
  rig.driver.setBattery(1, 17);
  rig.driver.setBattery(2, 18);
  rig.start();
  EXPECT_EQ(rig.slots.currentSlot, 1);
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "Battery 1");
  rig.slots.currentSlot = 2;
  rig.access.slotbatafis();
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "Battery 2");
  EXPECT_EQ(rig.text(Page::Information, "Slots / Batteries"), "2 / 2");
}

TEST(SlotScan, PickslotKeepsTheSlotsWhenSlotOneHasABatteryOrNoneHas) {
  BatteryRig rig;
  rig.driver.setEmptyInterface(1);
  rig.driver.setEmptyInterface(2);
  rig.slots.currentSlot = 3;  // values kept when no battery is found
  rig.start();
  EXPECT_EQ(rig.slots.currentSlot, 3);
  EXPECT_EQ(rig.text(Page::Information, "Slots / Batteries"), "2 / 0");

  BatteryRig second;
  second.driver.setBattery(1, 5);
  second.driver.setBattery(3, 6);
  second.start();
  EXPECT_EQ(second.slots.currentSlot, 1);
  EXPECT_EQ(second.slots.primarySlot, 1);
}

TEST(SlotScan, FailedDeviceSetFindsNothingAndReadsNothing) {
  BatteryRig rig;
  rig.driver.setBattery(1, 17);
  rig.driver.setDeviceSetFails(true);
  rig.start();
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "No Battery!");
  rig.access.config0(true);
  rig.tick();
  EXPECT_EQ(rig.driver.openCount(), 0);
  EXPECT_FALSE(rig.texts.has(Page::Information, "Designed Capacity"));
  EXPECT_FALSE(rig.texts.has(Page::Information, "Current Capacity"));
}

TEST(SlotScan, UnopenableSlotHasAnInterfaceButNoBattery) {
  BatteryRig rig;
  rig.driver.setBattery(1, 17);
  rig.driver.slot(1).openFails = true;
  rig.start();
  EXPECT_TRUE(rig.slots.slot(1).interfacePresent);
  EXPECT_FALSE(rig.slots.slot(1).batteryPresent);
  EXPECT_EQ(rig.text(Page::Information, "Slots / Batteries"), "1 / 0");
}

TEST(SlotScan, RemovedBatteryClearsTheMarksButNotTheCounts) {
  BatteryRig rig;
  rig.driver.setBattery(1, 17);
  rig.start();
  rig.tick();
  ASSERT_TRUE(rig.slots.slot(1).batteryPresent);

  rig.driver.removeBattery(1);
  rig.tick();
  EXPECT_TRUE(rig.slots.slot(1).interfacePresent);
  EXPECT_FALSE(rig.slots.slot(1).batteryPresent);
  EXPECT_EQ(rig.slots.slot(1).tag, 0u);
  EXPECT_EQ(rig.slots.batteryCount, 1);
  EXPECT_EQ(rig.driver.openHandleCount(), 0);  // the handle opened for the tag is closed

  // The next scan recounts.
  rig.access.scanslots();
  EXPECT_EQ(rig.slots.batteryCount, 0);
  EXPECT_EQ(rig.text(Page::Caption, "Battery"), "No Battery!");
}

}  // namespace
}  // namespace voltaro::battery
