// `voltaroctl info`: scans the batteries as the program does and prints the
// Information page of every battery present.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args` are the words after "info": [--simulate FILE | --sysfs DIR].
int runInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* infoUsage();

}  // namespace voltaro::tools
