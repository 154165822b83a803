// `voltaroctl graph`: draws a charge history as the Graph page shows it and
// writes the picture as PNG or JPEG.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args` are the words after "graph". Returns the process exit code: 0 when
// the picture was written, 1 when it could not be, 2 for a usage error.
int runGraphCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage lines, for the dispatcher's help; the options in detail.
const char* graphUsage();
const char* graphHelp();

}  // namespace voltaro::tools
