// BatteryKey: the file-name stem of the primary battery's health files, built
// from the battery's identity text with an 8-bit check value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace voltaro::battery {

// The identity text as the key uses it: "NoID" when shorter than 4 characters.
std::string keyIdentity(std::string_view identity);

// 0x37 XOR every character of the key identity in 0x21..0x7F other than '*'.
std::uint8_t batteryKeyCheck(std::string_view identity);

// The key identity without blanks, control and non-ASCII characters and the
// nine characters a file name cannot hold, then "0" and the check value in
// decimal: "NoID027", "ABCD051".
std::string makeBatteryKey(std::string_view identity);

}  // namespace voltaro::battery
