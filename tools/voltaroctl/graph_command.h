// `voltaroctl graph`: draws a charge history as the Graph page shows it and
// writes the picture as PNG, or as JPEG for a .jpg or .jpeg name.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kGraphCommand{
    "graph", "Draw the charge graph of a history or a scenario as PNG or JPEG"};

CommandAction defineGraphCommand(CLI::App& command);

}  // namespace voltaro::tools
