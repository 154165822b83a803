// Which setting each round switch of the main window shows and flips.
#pragma once

#include <cstdint>

#include "settings/app_settings.h"

namespace voltaro::frontend::main_window {

// The field a plain switch flips; nullptr for controls that are not plain
// switches (the priority radios show TaskPriority instead).
std::uint8_t settings::AppSettings::*switchField(int number);

// True when the switch shows its "on" look.
bool switchShowsOn(const settings::AppSettings& settings, int number);

// Flips a plain switch; the three critical power actions exclude each
// other. False when `number` is no plain switch.
bool flipSwitch(settings::AppSettings& settings, int number);

}  // namespace voltaro::frontend::main_window
