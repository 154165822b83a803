// The command tables of voltaroctl: the commands that need no Qt, which the
// voltaroctl program runs itself, and those that draw or speak to the
// desktop's services over Qt, which it hands to voltaroctl-desktop.
#pragma once

#include <span>

#include "command.h"

namespace voltaro::tools {

// Every command of voltaroctl, in the order the help lists them; those of
// voltaroctl-desktop without a `define`.
std::span<const Command> commands();

// The commands of voltaroctl-desktop (empty in a build without Qt).
std::span<const Command> desktopCommands();

}  // namespace voltaro::tools
