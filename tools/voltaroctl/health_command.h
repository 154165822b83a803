// `voltaroctl health`: the Calibrate page's health values of the primary
// battery and the left column's "Wear", "Cycles" and "Days", as the program
// shows them after its start-up and first reading. The settings file is
// read, never written.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: [--simulate FILE | --sysfs DIR] [--data DIR].
int runHealthCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* healthUsage();

}  // namespace voltaro::tools
