// The battery statements of the scenario language (deviceset, sharing,
// slot, info, status, request, unplug, plug, remove, insert), each applying
// its line to the simulated driver.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/sim/scenario_reader.h"

namespace voltaro::platform::sim::scenario {

// Every battery statement by its verb.
const std::vector<std::pair<std::string, ScenarioReader::Verb>>& batteryVerbs();

}  // namespace voltaro::platform::sim::scenario
