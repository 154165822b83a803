// `voltaroctl settings`: every field of a settings file by name, with the
// value the program holds after loading it (short-file rules and load-time
// corrections applied), and the program path of "launch.txt" beside it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: [FILE] [--data DIR]. Without FILE, "voltaro.ini" of the data
// folder (of DIR, else the user's own).
int runSettingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* settingsUsage();

}  // namespace voltaro::tools
