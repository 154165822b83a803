// The voltaroctl command line on CLI11: --help and --version of the tool,
// --help of every command, and the exit statuses of command.h (a word the
// parser refuses exits with 2 after a message naming it).
#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "command.h"

namespace voltaro::tools {

// Runs a command that lives in another program (voltaroctl-desktop) with
// every word of the command line; returns its exit status.
using RunElsewhere = std::function<int(const std::vector<std::string>& words)>;

// Parses `words` (the words after the program's name) against `table` and
// runs the command they name. Commands without a `define` go to
// `elsewhere` untouched, their --help too.
int runCommandLine(std::span<const Command> table, const std::vector<std::string>& words,
                   std::ostream& out, std::ostream& err, const RunElsewhere& elsewhere = {});

// "voltaroctl 0.1.0".
std::string versionLine();

}  // namespace voltaro::tools
