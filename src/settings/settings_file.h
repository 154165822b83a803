// The byte layout of "voltaro.ini" and the corrections applied when it loads.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "settings/app_settings.h"

namespace voltaro::settings {

// Overwrites the fields that `bytes` holds: offsets 0..24 only when the file
// has at least 25 bytes, the 4-byte duration only with 29, and each later
// one-byte field only when the file reaches it. Other fields keep their values.
void readSettingsBytes(std::span<const std::uint8_t> bytes, AppSettings& settings);

// The load-time corrections of out-of-range values, in their fixed order.
void applyLoadCorrections(AppSettings& settings);

// At most one critical power action may be on; two or more clear all three.
void applyCriticalExclusivity(AppSettings& settings);

// The 51 bytes of the file, in offset order.
std::vector<std::uint8_t> encodeSettings(const AppSettings& settings);

}  // namespace voltaro::settings
