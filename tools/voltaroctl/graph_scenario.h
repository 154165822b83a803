// The charge history the engine records while a scenario runs on virtual
// time, for `voltaroctl graph --scenario`.
#pragma once

#include <optional>
#include <string>

#include "history/charge_history.h"
#include "history/graph_drawing.h"

namespace voltaro::tools {

// Runs the scenario text for `hours` of virtual time and copies the history
// the engine recorded into `history`, the battery's figures at the end into
// `readings`. Returns an error text naming the problem, or nullopt.
std::optional<std::string> recordScenarioHistory(std::string text, double hours,
                                                 history::ChargeHistory& history,
                                                 history::GraphReadings& readings);

}  // namespace voltaro::tools
