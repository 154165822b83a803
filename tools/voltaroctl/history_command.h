// `voltaroctl history`: a battery's capacity journal or its charge and
// discharge sessions from the data folder, as a table with the wear trend
// beneath it, as the file's CSV or as JSON; and the capacity over time
// drawn as a picture. Reads files only: no engine starts.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kHistoryCommand{
    "history", "Print a battery's capacity journal or its sessions, or plot its capacity"};

CommandAction defineHistoryCommand(CLI::App& command);

}  // namespace voltaro::tools
