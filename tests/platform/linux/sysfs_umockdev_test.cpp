// End to end: the driver reads a umockdev device tree and must agree with
// what `acpi -V` prints for the same fake batteries. Run by
// run_under_umockdev.sh, once per fixture in tests/data/power_supply.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/linux/sysfs_battery_driver.h"

namespace voltaro::platform {
namespace {

// acpi prints charge batteries in mAh as they are; the driver turned them
// into mWh with the design voltage, worked out here by hand from each
// fixture (voltage_min_design). Energy batteries are converted by acpi with
// voltage_now, which the driver reports as the status voltage.
const std::map<std::string, std::uint32_t> kChargeFixtureMillivolts = {
    {"b-charge-charging-ac", 11400},
    {"c-charge-only-discharging", 10800},
};

struct AcpiBattery {
  std::string state;
  int percent = -1;
  std::optional<int> remainingSeconds;     // "... remaining"
  std::optional<int> untilChargedSeconds;  // "... until charged"
  std::optional<int> designMah;
  std::optional<int> fullMah;
};

struct AcpiReport {
  std::map<int, AcpiBattery> batteries;
  std::optional<bool> adapterOnLine;
};

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
    output += buffer.data();
  }
  pclose(pipe);
  return output;
}

int seconds(const std::string& h, const std::string& m, const std::string& s) {
  return std::stoi(h) * 3600 + std::stoi(m) * 60 + std::stoi(s);
}

AcpiReport readAcpi() {
  static const std::regex state(R"(^Battery (\d+): ([A-Za-z ]+), (\d+)%(.*)$)");
  static const std::regex remaining(R"(, (\d+):(\d+):(\d+) (remaining|until charged))");
  static const std::regex capacity(
      R"(^Battery (\d+): design capacity (\d+) mAh, last full capacity (\d+) mAh)");
  static const std::regex adapter(R"(^Adapter 0: (on-line|off-line))");
  AcpiReport report;
  std::istringstream lines(run("acpi -V 2>/dev/null"));
  std::string line;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (std::regex_search(line, m, capacity)) {
      auto& battery = report.batteries[std::stoi(m[1])];
      battery.designMah = std::stoi(m[2]);
      battery.fullMah = std::stoi(m[3]);
    } else if (std::regex_search(line, m, state)) {
      auto& battery = report.batteries[std::stoi(m[1])];
      battery.state = m[2];
      battery.percent = std::stoi(m[3]);
      const std::string rest = m[4];
      std::smatch t;
      if (std::regex_search(rest, t, remaining)) {
        const int value = seconds(t[1], t[2], t[3]);
        (t[4] == "remaining" ? battery.remainingSeconds : battery.untilChargedSeconds) = value;
      }
    } else if (std::regex_search(line, m, adapter)) {
      report.adapterOnLine = m[1] == "on-line";
    }
  }
  return report;
}

// acpi numbers every supply of type Battery in name order, device batteries
// included.
int acpiIndexOf(const std::filesystem::path& root, const std::string& name) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    std::ifstream type(entry.path() / "type");
    std::string value;
    if (type >> value && value == "Battery") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

class UmockdevTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (getenv("VOLTARO_UMOCKDEV_MISSING") != nullptr) {
      GTEST_SKIP() << "umockdev-run is not installed: the end-to-end driver test needs it";
    }
    const char* dir = getenv("UMOCKDEV_DIR");
    ASSERT_NE(dir, nullptr) << "run this test through run_under_umockdev.sh";
    const char* fixture = getenv("VOLTARO_FIXTURE");
    fixture_ = fixture == nullptr ? "" : fixture;
    root_ = std::filesystem::path(dir) / "sys/class/power_supply";
  }

  struct Reading {
    std::string name;
    BatteryInformation info;
    BatteryStatusRecord status;
  };

  std::vector<Reading> readDriver() {
    SysfsBatteryDriver driver(root_);
    std::vector<Reading> readings;
    EXPECT_TRUE(driver.createDeviceSet());
    for (int index = 0; const auto path = driver.interfacePath(index); ++index) {
      const DeviceHandle handle = driver.open(*path, OpenFlags::Overlapped);
      const std::uint32_t tag = driver.queryTag(handle, 250);
      EXPECT_NE(tag, 0u) << *path;
      std::array<std::uint8_t, kInformationBytes> info{};
      EXPECT_TRUE(driver.queryInformation(handle, {tag, InfoLevel::Information, 0}, info));
      EXPECT_EQ(driver.issueStatus(handle, RequestId::Status, {tag, 0, 0, 0, 0}),
                IssueOutcome::Pending);
      std::array<std::uint8_t, kStatusBytes> status{};
      EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Completed);
      driver.close(handle);
      readings.push_back({std::filesystem::path(*path).filename().string(),
                          *decodeInformation(info), *decodeStatus(status)});
    }
    return readings;
  }

  // Compares every driver slot with the battery acpi prints for it.
  void expectAgreement() {
    const AcpiReport acpi = readAcpi();
    const auto readings = readDriver();
    ASSERT_FALSE(readings.empty());
    ASSERT_FALSE(acpi.batteries.empty()) << "acpi printed no battery";
    for (const auto& reading : readings) {
      SCOPED_TRACE(reading.name);
      const int index = acpiIndexOf(root_, reading.name);
      ASSERT_TRUE(acpi.batteries.count(index));
      expectSame(reading, acpi.batteries.at(index));
    }
    if (acpi.adapterOnLine) {
      EXPECT_EQ(*acpi.adapterOnLine, (readings[0].status.powerState & kPowerOnLine) != 0);
    }
  }

  void expectSame(const Reading& reading, const AcpiBattery& acpi) {
    const auto charge = kChargeFixtureMillivolts.find(fixture_);
    const double millivolts =
        charge != kChargeFixtureMillivolts.end() ? charge->second : reading.status.voltage;
    ASSERT_GT(millivolts, 0);
    // mWh to mAh as acpi does it: divide by volts and drop the fraction. The
    // driver's mWh are already truncated, so allow 1 mAh.
    const auto mah = [&](double mwh) { return static_cast<int>(mwh * 1000 / millivolts); };
    ASSERT_TRUE(acpi.designMah && acpi.fullMah);
    EXPECT_NEAR(mah(reading.info.designedCapacity), *acpi.designMah, 1);
    EXPECT_NEAR(mah(reading.info.fullChargedCapacity), *acpi.fullMah, 1);
    const double percent = 100.0 * reading.status.capacity / reading.info.fullChargedCapacity;
    EXPECT_NEAR(percent, acpi.percent, 1.0);

    const std::uint32_t state = reading.status.powerState;
    if (acpi.state == "Discharging") {
      EXPECT_EQ(state, kDischarging);
    } else if (acpi.state == "Charging") {
      EXPECT_EQ(state, kCharging | kPowerOnLine);
    } else {
      EXPECT_EQ(state, kPowerOnLine) << acpi.state;
    }
    // acpi's times come from its own truncated mAh and mA.
    const int rateMa = mah(std::abs(static_cast<double>(reading.status.rate)));
    if (acpi.remainingSeconds) {
      ASSERT_LT(reading.status.rate, 0);
      EXPECT_NEAR(mah(reading.status.capacity) * 3600.0 / rateMa, *acpi.remainingSeconds, 60);
    }
    if (acpi.untilChargedSeconds) {
      ASSERT_GT(reading.status.rate, 0);
      const int missing = mah(reading.info.fullChargedCapacity) - mah(reading.status.capacity);
      EXPECT_NEAR(missing * 3600.0 / rateMa, *acpi.untilChargedSeconds, 60);
    }
  }

  std::string fixture_;
  std::filesystem::path root_;
};

TEST_F(UmockdevTest, DriverAgreesWithAcpi) {
  expectAgreement();
}

TEST_F(UmockdevTest, ChangesWhileRunningAreSeenByBoth) {
  const auto before = readDriver();
  ASSERT_FALSE(before.empty());
  const std::filesystem::path bay = root_ / before[0].name;
  // Half the charge left, written the way the kernel would update it.
  for (const char* name : {"energy_now", "charge_now"}) {
    std::ifstream in(bay / name);
    long long value = 0;
    if (!(in >> value)) continue;
    in.close();
    std::ofstream(bay / name, std::ios::trunc) << value / 2 << '\n';
  }
  std::ofstream(bay / "capacity", std::ios::trunc)
      << static_cast<int>(
             std::lround(50.0 * before[0].status.capacity / before[0].info.fullChargedCapacity))
      << '\n';
  const auto after = readDriver();
  EXPECT_NEAR(after[0].status.capacity, before[0].status.capacity / 2.0, 1.0);
  expectAgreement();

  // The battery taken out of its bay: the slot stays, with no battery in it.
  std::ofstream(bay / "present", std::ios::trunc) << "0\n";
  SysfsBatteryDriver driver(root_);
  ASSERT_TRUE(driver.createDeviceSet());
  const DeviceHandle handle = driver.open(*driver.interfacePath(0), OpenFlags::Normal);
  EXPECT_EQ(driver.queryTag(handle, 250), 0u);
}

}  // namespace
}  // namespace voltaro::platform
