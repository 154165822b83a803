// The display backlight as the kernel's backlight class shows it:
// /sys/class/backlight/<name>/{type,brightness,max_brightness}.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace voltaro::platform::linux_services {

struct BacklightDevice {
  std::string name;                 // folder name under the class folder
  std::string type;                 // "firmware", "platform" or "raw"
  std::uint32_t maxBrightness = 0;  // raw steps
  bool operator==(const BacklightDevice&) const = default;
};

// The device to use: type firmware first, then platform, then raw, then
// names in order. nullopt when there is none with a maximum of at least 1.
std::optional<BacklightDevice> findBacklight(const std::string& classFolder);

// The current raw brightness; nullopt when unreadable.
std::optional<std::uint32_t> readBacklightBrightness(const std::string& classFolder,
                                                     const std::string& name);

// The percent levels offered for a device with `maxBrightness` steps: tens
// from 10 to 100 when there are at least ten steps, else one level per step.
// 0 % is left out: on many panels it switches the backlight off entirely.
std::vector<std::uint8_t> backlightLevels(std::uint32_t maxBrightness);

std::uint8_t rawToPercent(std::uint32_t raw, std::uint32_t maxBrightness);
// A percent above 0 never gives raw 0 (the panel would go dark).
std::uint32_t percentToRaw(std::uint8_t percent, std::uint32_t maxBrightness);

}  // namespace voltaro::platform::linux_services
