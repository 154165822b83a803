#include "battery/information_texts.h"

#include <cctype>
#include <string_view>
#include <utility>

#include "common/text_format.h"

namespace voltaro::battery {

std::string chemistryText(const std::array<char, 4>& chemistry) {
  std::string text;
  for (char c : chemistry) {
    if (c == '\0') break;
    text += c;
  }
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static constexpr std::pair<std::string_view, std::string_view> kNames[] = {
      {"PBAC", "Lead Acid"},          {"LION", "Lithium Ion"},          {"LI-I", "Lithium Ion"},
      {"NICD", "Nickel Cadmium"},     {"NIMH", "Nickel Metal Hydride"}, {"NIZN", "Nickel Zinc"},
      {"RA-M", "Alkaline-Manganese"},
  };
  for (const auto& [code, name] : kNames) {
    if (upper == code) return std::string(name);
  }
  return text;
}

std::string capabilitiesText(std::uint32_t capabilities) {
  std::string text = "General Power";
  if (capabilities & platform::kCapSetChargeSupported) text = "Charge Supported";
  if (capabilities & platform::kCapSetDischargeSupported) text = "Discharge Supported";
  if (capabilities & platform::kCapIsShortTerm) text = "Fail-safe operation";
  if (capabilities & platform::kCapSystemBattery) text = "General Power";
  return text;
}

std::string technologyText(std::uint8_t technology) {
  return technology != 0 ? "Rechargeable" : "Nonrechargeable";
}

std::string manufactureDateText(const platform::BatteryManufactureDate& date) {
  if (date.day == 0) return "None";
  return std::to_string(date.day) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.year);
}

std::string temperatureText(std::uint32_t tenthsKelvin) {
  std::string text = "None";
  if (tenthsKelvin != 0 && tenthsKelvin != 0xFFFFFFFFu) {
    text = fixedText((static_cast<double>(tenthsKelvin) - 2731.5) / 10.0, 2);
  }
  return withunit(text, "  C");
}

std::string modeText(std::uint32_t powerState, bool charging) {
  std::string text = "AC Power";
  if (powerState & platform::kDischarging) text = "Discharging";
  if (powerState & platform::kCritical) text = "Critical";
  if (powerState & platform::kPowerOnLine) text = "AC Power";
  if (charging) text = "Charging";
  return text;
}

}  // namespace voltaro::battery
