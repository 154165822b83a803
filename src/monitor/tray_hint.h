// The tray icon's hint text, built from the current battery's reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace voltaro::monitor {

struct TrayHintInput {
  int batteryCount = 0;
  bool onPower = true;
  bool charging = false;
  // Whole percent of the current slot, rounded half to even; nullopt unknown.
  std::optional<int> percent = std::nullopt;
  int slot = 1;                                                  // current slot, 1..4
  std::optional<std::uint32_t> remainingSeconds = std::nullopt;  // nullopt unknown
  bool fastDischarge = false;
  bool calibration = false;
};

// Lines are separated by "\r\n"; the blanks inside the texts line the
// figures up in the tray's proportional font and are part of the texts. An
// unknown figure reads "None", as on the main window.
std::string trayHint(const TrayHintInput& input);

}  // namespace voltaro::monitor
