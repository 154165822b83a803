// `voltaroctl info`: scans the batteries as the program does and prints the
// Information page of every battery present, or with --json one object
// holding them all.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kInfoCommand{
    "info", "Print the information and status of every battery present"};

CommandAction defineInfoCommand(CLI::App& command);

}  // namespace voltaro::tools
