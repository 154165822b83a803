// Reads the attribute files of one power-supply folder under
// /sys/class/power_supply. Every read is defensive: a missing, unreadable,
// empty or unparsable file is "unknown", never an error.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace voltaro::platform::linux_sysfs {

class SupplyAttributes {
 public:
  explicit SupplyAttributes(std::filesystem::path folder) : folder_(std::move(folder)) {}

  const std::filesystem::path& folder() const { return folder_; }

  // The file's text with blanks trimmed at both ends and every character
  // outside printable ASCII dropped; nullopt when missing or empty.
  std::optional<std::string> text(std::string_view name) const;

  // The file as one whole decimal integer (sign allowed, blanks around it
  // allowed); nullopt when missing, empty, out of range or not a number.
  std::optional<std::int64_t> integer(std::string_view name) const;

  // A micro-unit value (µV, µA, µW, µWh, µAh) that must not be negative;
  // hardware that reports a current or power with a sign is handled by the
  // caller, which asks integer() instead.
  std::optional<std::int64_t> nonNegative(std::string_view name) const;

  bool exists(std::string_view name) const;

 private:
  std::filesystem::path folder_;
};

// Trims blanks and keeps printable ASCII only (0x20..0x7E).
std::string cleanAttributeText(std::string_view raw);

}  // namespace voltaro::platform::linux_sysfs
