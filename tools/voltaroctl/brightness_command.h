// `voltaroctl brightness [LEVEL]`: reads the display brightness, or sets it
// as the tray's "Brightness" items do (both power sources to LEVEL %).
#pragma once

#include <cstdint>
#include <optional>

#include "command.h"

namespace voltaro::platform {
class Display;
}

namespace voltaro::tools {

inline constexpr CommandName kBrightnessCommand{
    "brightness", "Print the display brightness, or set it as the tray's items do"};

// On the system's backlight (/sys/class/backlight, or --backlight DIR).
CommandAction defineBrightnessCommand(CLI::App& command);

// The same on a given display (tests use the simulated one); `level` is a
// tray item's level, 10, 20, ... 100.
int runBrightness(platform::Display& display, std::optional<std::uint8_t> level, std::ostream& out,
                  std::ostream& err);

// A tray item's level from its text; nullopt for anything else.
std::optional<std::uint8_t> parseTrayLevel(const std::string& word);

}  // namespace voltaro::tools
