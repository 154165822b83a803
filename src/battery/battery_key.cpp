#include "battery/battery_key.h"

namespace voltaro::battery {

namespace {

constexpr std::string_view kNotInFileNames = "/\\:*?\"<>|";

bool printableAscii(unsigned char c) {
  return c >= 0x21 && c <= 0x7F;
}

}  // namespace

std::string keyIdentity(std::string_view identity) {
  if (identity.size() < 4) return "NoID";
  return std::string(identity);
}

std::uint8_t batteryKeyCheck(std::string_view identity) {
  std::uint8_t check = 0x37;
  for (char ch : keyIdentity(identity)) {
    const auto c = static_cast<unsigned char>(ch);
    if (printableAscii(c) && c != '*') check ^= c;
  }
  return check;
}

std::string makeBatteryKey(std::string_view identity) {
  std::string safe;
  for (char ch : keyIdentity(identity)) {
    const auto c = static_cast<unsigned char>(ch);
    if (printableAscii(c) && kNotInFileNames.find(ch) == std::string_view::npos) safe += ch;
  }
  return safe + "0" + std::to_string(batteryKeyCheck(identity));
}

}  // namespace voltaro::battery
