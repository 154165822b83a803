#include "platform/linux/sysfs_battery_driver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <vector>

#include "platform/linux/fake_power_supply_tree.h"

namespace voltaro::platform {
namespace {

// A laptop battery that reports energy, like most ACPI batteries.
void addEnergyBattery(FakePowerSupplyTree& tree, const std::string& name, const char* serial) {
  tree.add(name, {{"type", "Battery"},
                  {"present", "1"},
                  {"status", "Discharging"},
                  {"technology", "Li-ion"},
                  {"cycle_count", "123"},
                  {"voltage_min_design", "11400000"},
                  {"voltage_now", "11852000"},
                  {"power_now", "8530000"},
                  {"energy_full_design", "57020000"},
                  {"energy_full", "50120000"},
                  {"energy_now", "30072000"},
                  {"capacity", "60"},
                  {"capacity_level", "Normal"},
                  {"alarm", "2506000"},
                  {"model_name", "  5B10W13930  "},
                  {"manufacturer", "SMP"},
                  {"serial_number", serial},
                  {"temp", "296"}});
}

class SysfsBatteryDriverTest : public ::testing::Test {
 protected:
  DeviceHandle openSlot(int index, OpenFlags flags = OpenFlags::Normal) {
    const auto path = driver.interfacePath(index);
    if (!path) return kInvalidHandle;
    return driver.open(*path, flags);
  }

  std::optional<BatteryInformation> information(DeviceHandle handle, std::uint32_t tag) {
    std::array<std::uint8_t, kInformationBytes> out{};
    if (!driver.queryInformation(handle, {tag, InfoLevel::Information, 0}, out)) {
      return std::nullopt;
    }
    return decodeInformation(out);
  }

  std::optional<std::string> text(DeviceHandle handle, std::uint32_t tag, InfoLevel level) {
    std::array<std::uint8_t, kTextOutputBytes> out{};
    const auto bytes = driver.queryInformation(handle, {tag, level, 0}, out);
    if (!bytes) return std::nullopt;
    return decodeText(std::span<const std::uint8_t>(out.data(), *bytes));
  }

  // One status request, issued and completed by the next poll.
  std::optional<BatteryStatusRecord> status(DeviceHandle handle, std::uint32_t tag) {
    if (driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}) != IssueOutcome::Pending) {
      return std::nullopt;
    }
    std::array<std::uint8_t, kStatusBytes> out{};
    if (driver.poll(RequestId::Status, out) != PollOutcome::Completed) return std::nullopt;
    return decodeStatus(out);
  }

  // Status of the single battery BAT0 after the tree was set up.
  BatteryStatusRecord statusOfFirst() {
    EXPECT_TRUE(driver.createDeviceSet());
    const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
    const auto record = status(handle, driver.queryTag(handle, 250));
    EXPECT_TRUE(record.has_value());
    return record.value_or(BatteryStatusRecord{});
  }

  FakePowerSupplyTree tree;
  SysfsBatteryDriver driver{tree.root()};
};

TEST_F(SysfsBatteryDriverTest, SlotsAreSystemBatteriesInNameOrder) {
  addEnergyBattery(tree, "BAT1", "2");
  addEnergyBattery(tree, "BAT0", "1");
  tree.add("AC", {{"type", "Mains"}, {"online", "1"}});
  // A wireless mouse reports a battery too; it is no slot.
  tree.add("hidpp_battery_0", {{"type", "Battery"}, {"scope", "Device"}, {"capacity", "70"}});
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(0), tree.path("BAT0"));
  EXPECT_EQ(driver.interfacePath(1), tree.path("BAT1"));
  EXPECT_EQ(driver.interfacePath(2), std::nullopt);
  EXPECT_EQ(driver.open(tree.path("AC"), OpenFlags::Normal), kInvalidHandle);

  // A battery that appears later is not in the set taken at start.
  addEnergyBattery(tree, "BAT2", "3");
  EXPECT_EQ(driver.interfacePath(2), std::nullopt);
  driver.destroyDeviceSet();
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
}

TEST_F(SysfsBatteryDriverTest, NoPowerSupplyFolderGivesNoDeviceSet) {
  SysfsBatteryDriver missing(tree.root() / "absent");
  EXPECT_FALSE(missing.createDeviceSet());
  EXPECT_EQ(missing.interfacePath(0), std::nullopt);
  ASSERT_TRUE(driver.createDeviceSet());  // an empty folder: a set without batteries
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
}

TEST_F(SysfsBatteryDriverTest, EnergyBatteryInformationInWindowsUnits) {
  addEnergyBattery(tree, "BAT0", " 1234");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  ASSERT_NE(tag, 0u);
  const auto info = information(handle, tag);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->capabilities, kCapSystemBattery);
  EXPECT_EQ(info->technology, 1);
  EXPECT_EQ(std::string(info->chemistry.data(), 4), "LION");
  EXPECT_EQ(info->designedCapacity, 57020u);
  EXPECT_EQ(info->fullChargedCapacity, 50120u);
  EXPECT_EQ(info->defaultAlert2, 2506u);
  EXPECT_EQ(info->cycleCount, 123u);

  // 29.6 °C = 302.75 K; 3027.5 tenths round to the even 3028.
  std::array<std::uint8_t, 4> value{};
  ASSERT_TRUE(driver.queryInformation(handle, {tag, InfoLevel::Temperature, 0}, value));
  EXPECT_EQ(decodeValue(value), 3028u);

  EXPECT_EQ(text(handle, tag, InfoLevel::DeviceName), "5B10W13930");
  EXPECT_EQ(text(handle, tag, InfoLevel::SerialNumber), "1234");
  EXPECT_EQ(text(handle, tag, InfoLevel::ManufactureName), "SMP");
  // No date attributes: the date is unavailable.
  EXPECT_FALSE(driver.queryInformation(handle, {tag, InfoLevel::ManufactureDate, 0}, value));
  tree.set("BAT0", "manufacture_year", "2021");
  tree.set("BAT0", "manufacture_month", "3");
  tree.set("BAT0", "manufacture_day", "15");
  ASSERT_TRUE(driver.queryInformation(handle, {tag, InfoLevel::ManufactureDate, 0}, value));
  EXPECT_EQ(decodeManufactureDate(value), (BatteryManufactureDate{15, 3, 2021}));
  tree.set("BAT0", "manufacture_month", "13");
  EXPECT_FALSE(driver.queryInformation(handle, {tag, InfoLevel::ManufactureDate, 0}, value));
  // A stale tag names no battery.
  EXPECT_FALSE(information(handle, tag + 1));
}

TEST_F(SysfsBatteryDriverTest, ChargeOnlyBatteryUsesDesignVoltage) {
  // energy_full below 0.01 Wh: the firmware really reports charge.
  tree.add("BAT0", {{"type", "Battery"},
                    {"technology", "Li-poly"},
                    {"voltage_max_design", "500000"},  // 0.5 V: a placeholder
                    {"voltage_min_design", "10800000"},
                    {"voltage_now", "12000000"},
                    {"energy_full", "0"},
                    {"charge_full_design", "4000000"},
                    {"charge_full", "3600000"},
                    {"charge_now", "1800000"},
                    {"current_now", "-1000000"},
                    {"alarm", "200000"},
                    {"status", "Discharging"}});
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  const auto info = information(handle, tag);
  ASSERT_TRUE(info);
  EXPECT_EQ(std::string(info->chemistry.data(), 4), "LIP ");
  EXPECT_EQ(info->designedCapacity, 43200u);     // 4,000 mAh x 10.8 V
  EXPECT_EQ(info->fullChargedCapacity, 38880u);  // 3,600 mAh x 10.8 V
  EXPECT_EQ(info->defaultAlert2, 2160u);         // 200 mAh x 10.8 V
  const auto record = status(handle, tag);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->capacity, 19440u);  // 1,800 mAh x 10.8 V
  EXPECT_EQ(record->voltage, 12000u);
  EXPECT_EQ(record->rate, -10800);  // 1 A x 10.8 V, the sign from the state

  // The firmware switches to energy attributes at run time: the first
  // units stay.
  tree.set("BAT0", "energy_full", "99000000");
  tree.set("BAT0", "energy_now", "99000000");
  EXPECT_EQ(information(handle, tag)->fullChargedCapacity, 38880u);
  EXPECT_EQ(status(handle, tag)->capacity, 19440u);
}

TEST_F(SysfsBatteryDriverTest, DesignVoltageFallsBackToNowThenTenVolts) {
  tree.add("BAT0", {{"type", "Battery"}, {"voltage_now", "7400000"}, {"charge_full", "2000000"}});
  tree.add("BAT1", {{"type", "Battery"}, {"charge_full", "2000000"}, {"model_name", "x"}});
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle first = openSlot(0);
  EXPECT_EQ(information(first, driver.queryTag(first, 250))->fullChargedCapacity, 14800u);
  const DeviceHandle second = openSlot(1);
  const auto info = information(second, driver.queryTag(second, 250));
  EXPECT_EQ(info->fullChargedCapacity, 20000u);
  // A missing design value reads 0; unknown technology reads None.
  EXPECT_EQ(info->designedCapacity, 0u);
  EXPECT_EQ(std::string(info->chemistry.data(), 4), "None");
}

TEST_F(SysfsBatteryDriverTest, PowerStateAndSignedRate) {
  tree.add("AC", {{"type", "Mains"}, {"online", "0"}});
  tree.add("BAT0", {{"type", "Battery"},
                    {"status", "Discharging"},
                    {"energy_full", "30000000"},
                    {"energy_now", "24000000"},
                    {"voltage_now", "12000000"},
                    {"power_now", "12000000"}});
  EXPECT_EQ(statusOfFirst(), (BatteryStatusRecord{kDischarging, 24000, 12000, -12000}));

  // Some hardware signs the power itself; only the magnitude counts.
  tree.set("BAT0", "power_now", "-12000000");
  EXPECT_EQ(statusOfFirst().rate, -12000);

  tree.set("AC", "online", "1");
  tree.set("BAT0", "status", "Charging");
  EXPECT_EQ(statusOfFirst(), (BatteryStatusRecord{kCharging | kPowerOnLine, 24000, 12000, 12000}));

  tree.set("BAT0", "status", "Unknown");
  EXPECT_EQ(statusOfFirst().powerState, kPowerOnLine);
  tree.set("AC", "online", "0");
  EXPECT_EQ(statusOfFirst().powerState, kDischarging);

  tree.set("BAT0", "status", "Full");
  tree.set("BAT0", "capacity_level", "Critical");
  EXPECT_EQ(statusOfFirst().powerState, kPowerOnLine | kCritical);
}

TEST_F(SysfsBatteryDriverTest, AdapterKindsThatCountAsAcPower) {
  tree.add("BAT0", {{"type", "Battery"}, {"status", "Unknown"}, {"power_now", "5000000"}});
  // A USB port without usb_type is a data port, not a charger.
  tree.add("ucsi-source-psy-1", {{"type", "USB"}, {"online", "1"}});
  EXPECT_EQ(statusOfFirst().powerState, kDischarging);
  tree.set("ucsi-source-psy-1", "usb_type", "C [PD]");
  EXPECT_EQ(statusOfFirst().powerState, kPowerOnLine);
  tree.removeSupply("ucsi-source-psy-1");
  tree.add("ADP1", {{"online", "2"}});  // untyped adapter, online 2 = fixed supply
  EXPECT_EQ(statusOfFirst().powerState, kPowerOnLine);
}

TEST_F(SysfsBatteryDriverTest, UnknownRates) {
  tree.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"energy_now", "1000000"}});
  const auto unknown = static_cast<std::int32_t>(kUnknownRate);
  EXPECT_EQ(statusOfFirst().rate, unknown);  // no rate attribute at all
  tree.set("BAT0", "power_now", "0");
  EXPECT_EQ(statusOfFirst().rate, unknown);  // 0 while discharging is "not measured"
  tree.set("BAT0", "power_now", "300000000");
  EXPECT_EQ(statusOfFirst().rate, -300000);  // 300 W is still believable
  tree.set("BAT0", "power_now", "300001000");
  EXPECT_EQ(statusOfFirst().rate, unknown);
  tree.set("BAT0", "status", "Full");
  tree.set("BAT0", "power_now", "0");
  EXPECT_EQ(statusOfFirst().rate, 0);  // idle on line: no drain
}

TEST_F(SysfsBatteryDriverTest, IdleSecondBatteryIsNeitherDischargingNorOnLine) {
  tree.add("BAT0", {{"type", "Battery"}, {"status", "Unknown"}, {"power_now", "0"}});
  tree.add("BAT1", {{"type", "Battery"}, {"status", "Discharging"}, {"power_now", "9000000"}});
  EXPECT_EQ(statusOfFirst(), (BatteryStatusRecord{0, kUnknownCapacity, kUnknownVoltage, 0}));
}

TEST_F(SysfsBatteryDriverTest, GarbageReadsAsUnknown) {
  tree.add("BAT0", {{"type", "Battery"},
                    {"status", "\x01\xff garbage"},
                    {"voltage_now", "banana"},
                    {"energy_full", "-5"},
                    {"energy_full_design", "99999999999999999999999"},
                    {"energy_now", "12abc"},
                    {"capacity", "250"},
                    {"power_now", "+-3"},
                    {"cycle_count", "-1"},
                    {"temp", "65535"},
                    {"alarm", ""},
                    {"model_name", "\x01\x02   "}});
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  EXPECT_NE(tag, 0u);
  EXPECT_EQ(information(handle, tag),
            (BatteryInformation{kCapSystemBattery, 1, {}, {'N', 'o', 'n', 'e'}, 0, 0, 0, 0, 0, 0}));
  std::array<std::uint8_t, 4> value{};
  ASSERT_TRUE(driver.queryInformation(handle, {tag, InfoLevel::Temperature, 0}, value));
  EXPECT_EQ(decodeValue(value), 0u);
  EXPECT_EQ(text(handle, tag, InfoLevel::DeviceName), std::nullopt);
  EXPECT_EQ(status(handle, tag),
            (BatteryStatusRecord{kDischarging, kUnknownCapacity, kUnknownVoltage,
                                 static_cast<std::int32_t>(kUnknownRate)}));
}

// A pipe in an attribute's place (nobody writing to it) is no reading, not a
// hang; an attribute longer than a page is read up to the page.
TEST_F(SysfsBatteryDriverTest, PipeAttributeReadsAsMissing) {
  addEnergyBattery(tree, "BAT0", "1111");
  const std::string model = tree.path("BAT0") + "/model_name";
  std::filesystem::remove(model);
  ASSERT_EQ(::mkfifo(model.c_str(), 0600), 0);
  tree.set("BAT0", "manufacturer", std::string(5000, 'M'));
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  ASSERT_NE(tag, 0u);
  EXPECT_EQ(text(handle, tag, InfoLevel::DeviceName), std::nullopt);
  const auto maker = text(handle, tag, InfoLevel::ManufactureName);
  ASSERT_TRUE(maker);
  EXPECT_FALSE(maker->empty());
  EXPECT_EQ(*maker, std::string(maker->size(), 'M'));
}

TEST_F(SysfsBatteryDriverTest, CapacityFallbacksAndCap) {
  tree.add("BAT0", {{"type", "Battery"},
                    {"status", "Charging"},
                    {"energy_full", "40000000"},
                    {"energy_avg", "10000000"}});
  EXPECT_EQ(statusOfFirst().capacity, 10000u);
  tree.erase("BAT0", "energy_avg");
  tree.set("BAT0", "capacity", "35");
  EXPECT_EQ(statusOfFirst().capacity, 14000u);  // 35 % of 40,000
  // Firmware that never lowered energy_full lets energy_now pass it.
  tree.set("BAT0", "energy_now", "41000000");
  EXPECT_EQ(statusOfFirst().capacity, 40000u);
  // Beyond twice the pack, or beyond any pack, it is a glitch: the percentage.
  tree.set("BAT0", "energy_now", "80001000");
  EXPECT_EQ(statusOfFirst().capacity, 14000u);
  tree.set("BAT0", "energy_now", "99999999999999");
  EXPECT_EQ(statusOfFirst().capacity, 14000u);
  // An attribute that fails to read (here a folder in its place).
  tree.erase("BAT0", "energy_now");
  std::filesystem::create_directory(tree.root() / "BAT0" / "energy_now");
  EXPECT_EQ(statusOfFirst().capacity, 14000u);
  // Nothing left to take the charge from: unknown, never 0.
  tree.erase("BAT0", "capacity");
  EXPECT_EQ(statusOfFirst().capacity, kUnknownCapacity);
}

TEST_F(SysfsBatteryDriverTest, PercentageOnlyBatteryReportsRelativeUnits) {
  tree.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "55"}});
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  EXPECT_EQ(information(handle, tag), (BatteryInformation{kCapSystemBattery | kCapCapacityRelative,
                                                          1,
                                                          {},
                                                          {'N', 'o', 'n', 'e'},
                                                          100,
                                                          100,
                                                          0,
                                                          0,
                                                          0,
                                                          0}));
  EXPECT_EQ(status(handle, tag), (BatteryStatusRecord{kDischarging, 55, kUnknownVoltage,
                                                      static_cast<std::int32_t>(kUnknownRate)}));
  tree.set("BAT0", "capacity", "101");
  EXPECT_EQ(status(handle, tag)->capacity, kUnknownCapacity);
}

TEST_F(SysfsBatteryDriverTest, RemovalAndInsertionChangeTheTag) {
  addEnergyBattery(tree, "BAT0", "1111");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t first = driver.queryTag(handle, 250);
  ASSERT_NE(first, 0u);
  ASSERT_EQ(driver.issueStatus(handle, RequestId::Status, {first, 0, 0, 0, 0}),
            IssueOutcome::Pending);

  tree.set("BAT0", "present", "0");
  EXPECT_EQ(driver.queryTag(handle, 250), 0u);
  std::array<std::uint8_t, kStatusBytes> out{};
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);
  EXPECT_FALSE(information(handle, first));
  // The interface stays: the bay is still there.
  EXPECT_EQ(driver.interfacePath(0), tree.path("BAT0"));

  tree.set("BAT0", "present", "1");
  EXPECT_EQ(driver.queryTag(handle, 250), first);  // the same battery back
  // Another identity in the same stay is seen at the next information read.
  tree.set("BAT0", "serial_number", "2222");
  EXPECT_EQ(driver.queryTag(handle, 250), first);
  EXPECT_FALSE(information(handle, first));
  const std::uint32_t second = driver.queryTag(handle, 250);
  EXPECT_NE(second, 0u);
  EXPECT_NE(second, first);
  EXPECT_TRUE(information(handle, second));

  tree.removeSupply("BAT0");  // the driver unloaded
  EXPECT_EQ(driver.queryTag(handle, 250), 0u);
}

TEST_F(SysfsBatteryDriverTest, OnlyTheInformationReadReadsTheIdentityAgain) {
  addEnergyBattery(tree, "BAT0", "1111");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t first = driver.queryTag(handle, 250);
  // The status reads and the tag queries of the ticks do not read the
  // identity files again...
  tree.set("BAT0", "serial_number", "2222");
  EXPECT_TRUE(status(handle, first));
  EXPECT_EQ(driver.queryTag(handle, 250), first);
  // ...the information read does.
  EXPECT_FALSE(information(handle, first));
  const std::uint32_t second = driver.queryTag(handle, 250);
  EXPECT_NE(second, first);
  EXPECT_FALSE(status(handle, first));
  EXPECT_TRUE(status(handle, second));
  // A battery seen absent is identified afresh at its next status read.
  tree.set("BAT0", "present", "0");
  EXPECT_FALSE(status(handle, second));
  tree.set("BAT0", "serial_number", "3333");
  tree.set("BAT0", "present", "1");
  EXPECT_FALSE(status(handle, second));
}

// An asynchronous request is issued on the tag the tick's tag query read;
// the poll that carries it out reads the battery's presence, once.
TEST_F(SysfsBatteryDriverTest, AnIssuedRequestMeetsTheRemovalAtItsPoll) {
  addEnergyBattery(tree, "BAT0", "1111");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  tree.set("BAT0", "present", "0");
  ASSERT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}),
            IssueOutcome::Pending);
  std::array<std::uint8_t, kStatusBytes> out{};
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);
  // Seen absent, the battery is identified afresh before any request.
  EXPECT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}), IssueOutcome::Failed);
}

TEST_F(SysfsBatteryDriverTest, AsynchronousRequestsCompleteAtTheNextPoll) {
  addEnergyBattery(tree, "BAT0", "1");
  tree.set("BAT0", "time_to_empty_now", "12600");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  ASSERT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}),
            IssueOutcome::Pending);
  ASSERT_EQ(driver.issueInformation(handle, RequestId::Estimate, {tag, InfoLevel::EstimatedTime, 0},
                                    kValueBytes),
            IssueOutcome::Pending);
  tree.set("BAT0", "energy_now", "25000000");  // read at the poll, not at the issue
  std::array<std::uint8_t, kStatusBytes> out{};
  ASSERT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Completed);
  EXPECT_EQ(decodeStatus(out)->capacity, 25000u);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);  // nothing pending
  std::array<std::uint8_t, kValueBytes> estimate{};
  ASSERT_EQ(driver.poll(RequestId::Estimate, estimate), PollOutcome::Completed);
  EXPECT_EQ(decodeValue(estimate), 12600u);

  tree.erase("BAT0", "time_to_empty_now");
  ASSERT_EQ(driver.issueInformation(handle, RequestId::Estimate, {tag, InfoLevel::EstimatedTime, 0},
                                    kValueBytes),
            IssueOutcome::Pending);
  ASSERT_EQ(driver.poll(RequestId::Estimate, estimate), PollOutcome::Completed);
  EXPECT_EQ(decodeValue(estimate), kUnknownTime);
}

TEST_F(SysfsBatteryDriverTest, CancelCloseAndBadIssues) {
  addEnergyBattery(tree, "BAT0", "1");
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = openSlot(0, OpenFlags::Overlapped);
  const std::uint32_t tag = driver.queryTag(handle, 250);
  std::array<std::uint8_t, kStatusBytes> out{};

  ASSERT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}),
            IssueOutcome::Pending);
  ASSERT_EQ(driver.issueInformation(handle, RequestId::Estimate, {tag, InfoLevel::EstimatedTime, 0},
                                    kValueBytes),
            IssueOutcome::Pending);
  driver.cancelIo(handle);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);
  EXPECT_EQ(driver.poll(RequestId::Estimate, out), PollOutcome::Failed);

  ASSERT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}),
            IssueOutcome::Pending);
  driver.close(handle);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);
  EXPECT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}), IssueOutcome::Failed);

  // Without the overlapped flag the request runs synchronously.
  const DeviceHandle plain = openSlot(0, OpenFlags::Normal);
  EXPECT_EQ(driver.issueStatus(plain, RequestId::Status, {tag, 0, 0, 0, 0}),
            IssueOutcome::CompletedAtOnce);
  const DeviceHandle overlapped = openSlot(0, OpenFlags::Overlapped);
  EXPECT_EQ(driver.issueStatus(overlapped, RequestId::Status, {tag ^ 1, 0, 0, 0, 0}),
            IssueOutcome::Failed);
  EXPECT_EQ(driver.queryTag(kInvalidHandle, 250), 0u);
}

}  // namespace
}  // namespace voltaro::platform
