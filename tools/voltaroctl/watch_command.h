// `voltaroctl watch`: runs the engine on the real clock and prints what the
// program would show whenever it changes, or with --json one object per
// change of the battery's figures.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kWatchCommand{
    "watch", "Run the engine on the real clock and print every change"};

CommandAction defineWatchCommand(CLI::App& command);

}  // namespace voltaro::tools
