// The operating-system services the program runs on, chosen once through
// the engine's service set. With VOLTARO_SIMULATE set to a scenario file the
// batteries, display, power, plans and shell are simulated and the scenario
// is carried out on the real clock (its "start" is the program's start);
// without it the Linux backends serve. Sound and the network are the
// program's own either way.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/services.h"
#include "scenario/scenario_run.h"

namespace voltaro::app {

class ProgramServices : public scenario::ScenarioHost {
 public:
  ProgramServices();
  ~ProgramServices() override;
  ProgramServices(const ProgramServices&) = delete;
  ProgramServices& operator=(const ProgramServices&) = delete;

  engine::PlatformServices services();
  bool simulated() const { return simulated_; }
  // A scenario or a service that could not be set up; empty when all is well.
  const std::string& scenarioError() const { return scenarioError_; }
  // Set by the program once the engine exists: the live power source, which
  // the display backend asks for (AC until it is set).
  std::function<bool()> onAcPowerHint;

  // The engine has started: the scenario's settings, then its statements
  // at their times. Nothing without a scenario.
  void startScenario(engine::Engine& engine);

  // ScenarioHost: the program's own computer is never switched off.
  engine::Engine* engine() override { return engine_; }

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  bool simulated_ = false;
  std::string scenarioError_;
  engine::Engine* engine_ = nullptr;
};

}  // namespace voltaro::app
