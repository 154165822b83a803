// The battery class driver's request and result records, with their exact
// little-endian layouts, shared by every driver backend and the battery code.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace voltaro::platform {

// Information levels of the information query.
enum class InfoLevel : std::uint32_t {
  Information = 0,      // BATTERY_INFORMATION, 36 bytes
  Temperature = 2,      // unsigned 32-bit, tenths of a kelvin
  EstimatedTime = 3,    // unsigned 32-bit seconds, 0xFFFFFFFF unknown
  DeviceName = 4,       // UTF-16LE text, up to 202 bytes
  ManufactureDate = 5,  // BATTERY_MANUFACTURE_DATE, 4 bytes
  ManufactureName = 6,  // UTF-16LE text
  SerialNumber = 8,     // UTF-16LE text
};

constexpr std::size_t kTextOutputBytes = 202;  // 101 UTF-16 characters
constexpr std::size_t kInformationBytes = 36;
constexpr std::size_t kManufactureDateBytes = 4;
constexpr std::size_t kValueBytes = 4;
constexpr std::size_t kStatusBytes = 16;
constexpr std::size_t kWaitStatusBytes = 20;
constexpr std::size_t kQueryInformationBytes = 12;

// Power state flags of BATTERY_STATUS.
constexpr std::uint32_t kPowerOnLine = 0x1;
constexpr std::uint32_t kDischarging = 0x2;
constexpr std::uint32_t kCharging = 0x4;
constexpr std::uint32_t kCritical = 0x8;

// Capability flags of BATTERY_INFORMATION.
constexpr std::uint32_t kCapSetChargeSupported = 0x00000001;
constexpr std::uint32_t kCapSetDischargeSupported = 0x00000002;
constexpr std::uint32_t kCapIsShortTerm = 0x20000000;
// Capacities and rates are relative (a full battery is 100) instead of
// mWh and mW: the battery reports its charge only as a percentage.
constexpr std::uint32_t kCapCapacityRelative = 0x40000000;
constexpr std::uint32_t kCapSystemBattery = 0x80000000;

constexpr std::uint32_t kUnknownCapacity = 0xFFFFFFFF;  // BATTERY_UNKNOWN_CAPACITY
constexpr std::uint32_t kUnknownVoltage = 0xFFFFFFFF;   // BATTERY_UNKNOWN_VOLTAGE
constexpr std::uint32_t kUnknownRate = 0x80000000;      // BATTERY_UNKNOWN_RATE as a bit pattern
constexpr std::uint32_t kUnknownTime = 0xFFFFFFFF;      // BATTERY_UNKNOWN_TIME

struct BatteryQueryInformation {
  std::uint32_t batteryTag = 0;
  InfoLevel level = InfoLevel::Information;
  std::uint32_t atRate = 0;
  bool operator==(const BatteryQueryInformation&) const = default;
};

struct BatteryInformation {
  std::uint32_t capabilities = 0;
  std::uint8_t technology = 0;  // 0 primary, 1 rechargeable
  std::array<std::uint8_t, 3> reserved{};
  std::array<char, 4> chemistry{};
  std::uint32_t designedCapacity = 0;     // mWh
  std::uint32_t fullChargedCapacity = 0;  // mWh
  std::uint32_t defaultAlert1 = 0;        // mWh, low level alert
  std::uint32_t defaultAlert2 = 0;        // mWh, warning alert
  std::uint32_t criticalBias = 0;         // mWh
  std::uint32_t cycleCount = 0;           // 0 unknown
  bool operator==(const BatteryInformation&) const = default;
};

struct BatteryManufactureDate {
  std::uint8_t day = 0;  // 0 unavailable
  std::uint8_t month = 0;
  std::uint16_t year = 0;
  bool operator==(const BatteryManufactureDate&) const = default;
};

struct BatteryWaitStatus {
  std::uint32_t batteryTag = 0;
  std::uint32_t timeout = 0;
  std::uint32_t powerState = 0;
  std::uint32_t lowCapacity = 0;
  std::uint32_t highCapacity = 0;
  bool operator==(const BatteryWaitStatus&) const = default;
};

struct BatteryStatusRecord {
  std::uint32_t powerState = 0;  // kPowerOnLine | kDischarging | kCharging | kCritical
  std::uint32_t capacity = 0;    // mWh (relative units for kCapCapacityRelative); kUnknownCapacity
  std::uint32_t voltage = 0;     // mV; kUnknownVoltage
  std::int32_t rate = 0;         // mW, negative while discharging; kUnknownRate
  bool operator==(const BatteryStatusRecord&) const = default;
};

// Encoders give the exact bytes the driver returns; decoders read them back
// and return nullopt when the buffer is shorter than the record.
std::vector<std::uint8_t> encode(const BatteryQueryInformation& r);
std::vector<std::uint8_t> encode(const BatteryInformation& r);
std::vector<std::uint8_t> encode(const BatteryManufactureDate& r);
std::vector<std::uint8_t> encode(const BatteryWaitStatus& r);
std::vector<std::uint8_t> encode(const BatteryStatusRecord& r);
std::vector<std::uint8_t> encodeValue(std::uint32_t value);
// UTF-16LE without terminator, cut to kTextOutputBytes.
std::vector<std::uint8_t> encodeText(const std::string& ascii);

std::optional<BatteryQueryInformation> decodeQueryInformation(std::span<const std::uint8_t> b);
std::optional<BatteryInformation> decodeInformation(std::span<const std::uint8_t> b);
std::optional<BatteryManufactureDate> decodeManufactureDate(std::span<const std::uint8_t> b);
std::optional<BatteryWaitStatus> decodeWaitStatus(std::span<const std::uint8_t> b);
std::optional<BatteryStatusRecord> decodeStatus(std::span<const std::uint8_t> b);
std::optional<std::uint32_t> decodeValue(std::span<const std::uint8_t> b);
// The first bytes/2 UTF-16 characters, converted to 8-bit text: characters
// above 0xFF become '?'. A 0 character ends the text.
std::string decodeText(std::span<const std::uint8_t> b);

}  // namespace voltaro::platform
