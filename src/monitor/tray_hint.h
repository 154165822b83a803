// The tray icon's hint text, built from the current battery's reading.
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::monitor {

struct TrayHintInput {
  int batteryCount = 0;
  bool onPower = true;
  bool charging = false;
  int percent = 0;  // whole percent of the current slot, rounded half to even
  int slot = 1;     // current slot, 1..4
  std::uint32_t remainingSeconds = 0;
  bool fastDischarge = false;
  bool calibration = false;
};

// Lines are separated by "\r\n"; the blanks inside the texts line the
// figures up in the tray's proportional font and are part of the texts.
std::string trayHint(const TrayHintInput& input);

}  // namespace voltaro::monitor
