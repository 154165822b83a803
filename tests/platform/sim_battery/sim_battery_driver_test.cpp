#include "platform/sim/sim_battery_driver.h"

#include <gtest/gtest.h>

#include <array>

namespace voltaro::platform::sim {
namespace {

// Opens the device of interface `index` with the given flags.
DeviceHandle openInterface(SimBatteryDriver& driver, int index, OpenFlags flags) {
  auto path = driver.interfacePath(index);
  return path ? driver.open(*path, flags) : kInvalidHandle;
}

TEST(SimBatteryDriver, DeviceSetEnumeratesOnlyInterfacesPresentAtCreation) {
  SimBatteryDriver driver;
  driver.setBattery(2, 77);
  driver.setEmptyInterface(4);
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(0), driver.slot(2).path);
  EXPECT_EQ(driver.interfacePath(1), driver.slot(4).path);
  EXPECT_FALSE(driver.interfacePath(2).has_value());

  // An interface that appears later is not in the set.
  driver.setBattery(1, 5);
  EXPECT_EQ(driver.interfacePath(0), driver.slot(2).path);
  EXPECT_FALSE(driver.interfacePath(2).has_value());

  driver.setDeviceSetFails(true);
  EXPECT_FALSE(driver.createDeviceSet());
  EXPECT_FALSE(driver.interfacePath(0).has_value());
}

TEST(SimBatteryDriver, StaleTagsAreRefusedAfterTheBatteryChanges) {
  SimBatteryDriver driver;
  driver.setBattery(1, 17);
  driver.createDeviceSet();
  const DeviceHandle h = openInterface(driver, 0, OpenFlags::Normal);
  ASSERT_NE(h, kInvalidHandle);
  EXPECT_EQ(driver.queryTag(h, 250), 17u);
  std::array<std::uint8_t, kInformationBytes> out{};
  EXPECT_EQ(driver.queryInformation(h, {17, InfoLevel::Information, 0}, out), kInformationBytes);
  EXPECT_FALSE(driver.queryInformation(h, {18, InfoLevel::Information, 0}, out).has_value());

  driver.removeBattery(1);
  EXPECT_EQ(driver.queryTag(h, 250), 0u);
  driver.insertBattery(1, 99);
  EXPECT_FALSE(driver.queryInformation(h, {17, InfoLevel::Information, 0}, out).has_value());
  EXPECT_EQ(driver.queryTag(h, 250), 99u);
  driver.close(h);
  EXPECT_EQ(driver.openHandleCount(), 0);
}

TEST(SimBatteryDriver, RequestBehaviours) {
  SimBatteryDriver driver;
  driver.setBattery(1, 17);
  driver.battery(1).status = {kPowerOnLine | kCharging, 20000, 12000, 15000};
  driver.createDeviceSet();
  const DeviceHandle h = openInterface(driver, 0, OpenFlags::Overlapped);
  std::array<std::uint8_t, kStatusBytes> out{};

  driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Pending, 3});
  ASSERT_EQ(driver.issueStatus(h, RequestId::Status, {17, 0, 0, 0, 0}), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Completed);
  EXPECT_EQ(decodeStatus(out)->capacity, 20000u);

  driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::AtOnce, 1});
  EXPECT_EQ(driver.issueStatus(h, RequestId::Status, {17, 0, 0, 0, 0}),
            IssueOutcome::CompletedAtOnce);
  driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Fail, 1});
  EXPECT_EQ(driver.issueStatus(h, RequestId::Status, {17, 0, 0, 0, 0}), IssueOutcome::Failed);

  // A request that never completes stops when its handle is cancelled.
  driver.setRequestBehaviour(RequestId::Status, {SimRequestMode::Never, 1});
  ASSERT_EQ(driver.issueStatus(h, RequestId::Status, {17, 0, 0, 0, 0}), IssueOutcome::Pending);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  driver.cancelIo(h);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);
  EXPECT_EQ(driver.cancelCount(), 1);
}

TEST(SimBatteryDriver, RequestsNeedAnOverlappedHandleAndTheCurrentBattery) {
  SimBatteryDriver driver;
  driver.setBattery(1, 17);
  driver.createDeviceSet();
  const DeviceHandle normal = openInterface(driver, 0, OpenFlags::Normal);
  EXPECT_EQ(driver.issueStatus(normal, RequestId::Status, {17, 0, 0, 0, 0}), IssueOutcome::Failed);
  const DeviceHandle h = openInterface(driver, 0, OpenFlags::Overlapped);
  std::array<std::uint8_t, kValueBytes> out{};
  driver.battery(1).estimatedTime = 5400;
  ASSERT_EQ(driver.issueInformation(h, RequestId::Estimate, {17, InfoLevel::EstimatedTime, 0}, 4),
            IssueOutcome::Pending);
  driver.removeBattery(1);  // pulled while the request runs
  EXPECT_EQ(driver.poll(RequestId::Estimate, out), PollOutcome::Failed);

  driver.insertBattery(1, 17);
  ASSERT_EQ(driver.issueInformation(h, RequestId::Estimate, {17, InfoLevel::EstimatedTime, 0}, 4),
            IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Estimate, out), PollOutcome::Completed);
  EXPECT_EQ(decodeValue(out), 5400u);
}

TEST(SimBatteryDriver, ExclusiveOpeningRefusesASecondHandle) {
  SimBatteryDriver driver;
  driver.setBattery(1, 17);
  driver.createDeviceSet();
  const DeviceHandle first = openInterface(driver, 0, OpenFlags::Overlapped);
  EXPECT_NE(openInterface(driver, 0, OpenFlags::Normal), kInvalidHandle);
  driver.setExclusiveOpen(true);
  EXPECT_EQ(openInterface(driver, 0, OpenFlags::Normal), kInvalidHandle);
  driver.close(first);
  driver.slot(1).openFails = true;
  EXPECT_EQ(openInterface(driver, 0, OpenFlags::Normal), kInvalidHandle);
}

TEST(SimBatteryDriver, UnplugAndPlugFollowThePowerStateAndRateSign) {
  SimBatteryDriver driver;
  driver.setBattery(1, 17);
  driver.battery(1).status = {kPowerOnLine | kCharging, 20000, 12000, 15000};
  driver.unplug();
  EXPECT_EQ(driver.battery(1).status.powerState, kDischarging);
  EXPECT_EQ(driver.battery(1).status.rate, -15000);
  driver.plug();
  EXPECT_EQ(driver.battery(1).status.powerState, kPowerOnLine | kCharging);
  EXPECT_EQ(driver.battery(1).status.rate, 15000);
  driver.battery(1).status.capacity = 45000;  // full: on line without charging
  driver.unplug();
  driver.plug();
  EXPECT_EQ(driver.battery(1).status.powerState, kPowerOnLine);
}

}  // namespace
}  // namespace voltaro::platform::sim
