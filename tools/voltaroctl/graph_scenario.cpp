#include "graph_scenario.h"

#include <sstream>

#include "engine/engine.h"
#include "simulation.h"

namespace voltaro::tools {

std::optional<std::string> recordScenarioHistory(std::string text, double hours,
                                                 history::ChargeHistory& history,
                                                 history::GraphReadings& readings) {
  std::ostringstream errors;
  Simulation simulation(nullptr, errors);
  if (auto problem = simulation.load(text, "")) return problem;
  if (simulation.start() != 0) return errors.str();
  simulation.run(hours);
  engine::Engine* engine = simulation.engine();
  if (engine == nullptr) return std::string("the simulated computer is off at the end");
  history = engine->history();
  const int slot = engine->slots().currentSlot;
  readings = {engine->live().percent(slot), engine->live().onPower, engine->live().remaining(slot)};
  return std::nullopt;
}

}  // namespace voltaro::tools
