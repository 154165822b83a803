// `voltaroctl simulate`: runs a scenario on virtual time and prints what the
// monitoring cycle showed, change by change, stamped with the simulated clock.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: FILE [--hours H] (H may have decimals; 1 when not given).
int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* simulateUsage();

}  // namespace voltaro::tools
