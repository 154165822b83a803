// `voltaroctl settings`: every field of a settings file as the program holds
// it after loading, or with --json as one object.
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kSettingsCommand{
    "settings", "Print every field of a settings file as the program loads it"};

CommandAction defineSettingsCommand(CLI::App& command);

}  // namespace voltaro::tools
