// The capacity journal of a battery drawn as a picture on the charge
// graph's background: the full-charged capacity day by day (a line per run
// between calibrations), the fitted wear trend carried on to the day it
// reaches 50 %, and the 50 % level itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "journal/journal_entry.h"

namespace voltaro::tools {

// Draws `entries` into the PNG file `path`; an error text when it cannot.
std::optional<std::string> drawCapacityGraph(const std::vector<journal::JournalEntry>& entries,
                                             const std::string& path);

}  // namespace voltaro::tools
