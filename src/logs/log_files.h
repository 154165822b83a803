// Names of the log files in the data folder, and the battery line both logs
// start with.
#pragma once

#include <string>
#include <string_view>

#include "view/shown_texts.h"

namespace voltaro::logs {

inline constexpr std::string_view kDischargeLogFile = "voltarolog.txt";
inline constexpr std::string_view kOldDischargeLogFile = "voltarologold.txt";
inline constexpr std::string_view kCalibrationLogFile = "calibrationlog.txt";

// "Battery " n " ID:  " manufacturer " " device, with the names as the
// Information page shows them.
std::string batteryIdLine(int slot, const view::ShownTexts& texts);

}  // namespace voltaro::logs
