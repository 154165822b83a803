// The operating-system services the program runs on. With VOLTARO_SIMULATE
// set to a scenario file the battery, display, power and shell are
// simulated (the scenario's timed statements run at their seconds); without
// it the Linux backends serve.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "engine/services.h"

namespace voltaro::app {

class ProgramServices {
 public:
  ProgramServices();
  ~ProgramServices();
  ProgramServices(const ProgramServices&) = delete;
  ProgramServices& operator=(const ProgramServices&) = delete;

  engine::PlatformServices services();
  bool simulated() const { return simulated_; }
  // A scenario that could not be read; empty when none was asked for or it
  // was read.
  const std::string& scenarioError() const { return scenarioError_; }
  // Whether the battery runs on external power, for the display backend.
  bool onAcPower() const;
  // Set by the program once the engine exists: the live power source.
  std::function<bool()> onAcPowerHint;

 private:
  struct Parts;
  void setUpSimulation(const std::string& path);
  void setUpLinux();

  std::unique_ptr<Parts> parts_;
  bool simulated_ = false;
  std::string scenarioError_;
};

}  // namespace voltaro::app
