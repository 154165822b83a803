// `voltaroctl health`: the primary battery's health values as the Calibrate
// page shows them, or with --json as figures.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kHealthCommand{
    "health", "Print the primary battery's health record (wear, capacity, cycles)"};

CommandAction defineHealthCommand(CLI::App& command);

}  // namespace voltaro::tools
