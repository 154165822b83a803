// `voltaroctl watch`: runs the monitoring cycle on the real clock and prints
// every change of the shown values, the tray hint and each notice.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: [--seconds N] [--simulate FILE | --sysfs DIR]. Without --seconds it
// runs until it is stopped.
int runWatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* watchUsage();

}  // namespace voltaro::tools
