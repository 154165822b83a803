// Answers of the battery class driver in the byte layout Windows returns them,
// for a two-cell lithium-ion laptop pack. The figures are worked out by hand
// next to each buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace voltaro::platform::windows::testing {

inline const std::vector<std::uint8_t> kTagAnswer{0x07, 0x00, 0x00, 0x00};  // tag 7

// BATTERY_INFORMATION, 36 bytes.
inline const std::vector<std::uint8_t> kInformationAnswer{
    0x00, 0x00, 0x00, 0x80,  // Capabilities: BATTERY_SYSTEM_BATTERY
    0x01, 0x00, 0x00, 0x00,  // Technology 1 (rechargeable), 3 reserved bytes
    'L',  'I',  'O',  'N',   // Chemistry
    0xA8, 0xDE, 0x00, 0x00,  // DesignedCapacity 0xDEA8 = 57000 mWh
    0x64, 0xC8, 0x00, 0x00,  // FullChargedCapacity 0xC864 = 51300 mWh
    0x22, 0x0B, 0x00, 0x00,  // DefaultAlert1 0x0B22 = 2850 mWh
    0x44, 0x16, 0x00, 0x00,  // DefaultAlert2 0x1644 = 5700 mWh
    0x00, 0x00, 0x00, 0x00,  // CriticalBias 0
    0x7B, 0x00, 0x00, 0x00,  // CycleCount 123
};

// BATTERY_MANUFACTURE_DATE: day 14, month 3, year 0x07E5 = 2021.
inline const std::vector<std::uint8_t> kManufactureDateAnswer{0x0E, 0x03, 0xE5, 0x07};

// Temperature 0x0BD7 = 3031 tenths of a kelvin.
inline const std::vector<std::uint8_t> kTemperatureAnswer{0xD7, 0x0B, 0x00, 0x00};

// Estimated time 0x1C5C = 7260 s.
inline const std::vector<std::uint8_t> kEstimatedTimeAnswer{0x5C, 0x1C, 0x00, 0x00};

// Device name "KW45 Li-ion" in UTF-16LE with the terminator the driver
// counts in the bytes returned: 12 characters, 24 bytes.
inline const std::vector<std::uint8_t> kDeviceNameAnswer{
    'K', 0, 'W', 0, '4', 0, '5', 0, ' ', 0, 'L', 0, 'i', 0, '-', 0, 'i', 0, 'o', 0, 'n', 0, 0, 0};

// Manufacturer "Keldwick" with its terminator, 18 bytes.
inline const std::vector<std::uint8_t> kManufacturerAnswer{'K', 0, 'e', 0, 'l', 0, 'd', 0, 'w', 0,
                                                           'i', 0, 'c', 0, 'k', 0, 0,   0};

// Serial number "00417" without a terminator, as some packs answer: 10 bytes.
inline const std::vector<std::uint8_t> kSerialNumberAnswer{'0', 0, '0', 0, '4', 0, '1', 0, '7', 0};

// BATTERY_STATUS while discharging, 16 bytes.
inline const std::vector<std::uint8_t> kDischargingStatusAnswer{
    0x02, 0x00, 0x00, 0x00,  // PowerState: BATTERY_DISCHARGING
    0x6A, 0x95, 0x00, 0x00,  // Capacity 0x956A = 38250 mWh
    0x2C, 0x2E, 0x00, 0x00,  // Voltage 0x2E2C = 11820 mV
    0x60, 0xDC, 0xFF, 0xFF,  // Rate 0xFFFFDC60 = -9120 mW
};

// BATTERY_STATUS on external power while charging.
inline const std::vector<std::uint8_t> kChargingStatusAnswer{
    0x05, 0x00, 0x00, 0x00,  // PowerState: BATTERY_POWER_ON_LINE | BATTERY_CHARGING
    0x40, 0x9C, 0x00, 0x00,  // Capacity 0x9C40 = 40000 mWh
    0x38, 0x31, 0x00, 0x00,  // Voltage 0x3138 = 12600 mV
    0xC4, 0x3B, 0x00, 0x00,  // Rate 0x3BC4 = 15300 mW
};

// The request codes: CTL_CODE(FILE_DEVICE_BATTERY 0x29, function, METHOD_BUFFERED,
// FILE_READ_ACCESS) = 0x29 << 16 | 1 << 14 | function << 2.
constexpr unsigned long kQueryTagCode = 0x294040;          // function 0x10
constexpr unsigned long kQueryInformationCode = 0x294044;  // function 0x11
constexpr unsigned long kQueryStatusCode = 0x29404C;       // function 0x13

}  // namespace voltaro::platform::windows::testing
