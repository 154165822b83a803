// `voltaroctl history`: a battery's capacity journal or its charge and
// discharge sessions from the data folder, as a table with the wear trend
// beneath it, as the file's CSV or as JSON; and the capacity over time
// drawn as a picture. Reads files only: no engine starts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: [--data DIR] [--battery KEY] [--csv | --json] [--sessions]
// [--plot FILE.png].
int runHistoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* historyUsage();

}  // namespace voltaro::tools
