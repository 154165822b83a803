// Carries out a scenario on an engine over the simulated machine: the
// statements without a time at the start, the timed ones at their second
// (on whatever clock the runtime keeps: virtual in voltaroctl and the tests,
// the real one in the program), the daily ones again each day, the battery
// flow and its wear second by second.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/simulated_machine.h"
#include "platform/runtime.h"
#include "scenario/battery_flow.h"
#include "scenario/scenario_script.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::settings {
struct AppSettings;
}

namespace voltaro::scenario {

// The front end that runs a scenario.
class ScenarioHost {
 public:
  virtual ~ScenarioHost() = default;
  // The running engine; nullptr while the simulated computer is off.
  virtual engine::Engine* engine() = 0;
  // "shutdown", or the system's critical level reached by a flow: the
  // computer goes off at once, without the exit procedure. A front end that
  // cannot simulate it runs on.
  virtual void powerOff(const std::string& /*why*/) {}
  // "boot": the computer starts again (nothing when it runs).
  virtual void boot() {}
  // A timed statement is about to be carried out.
  virtual void carryingOut(const ScenarioLine& /*line*/) {}
  // Something the run did that has no statement of its own to show.
  virtual void note(const std::string& /*text*/) {}
};

class ScenarioRun {
 public:
  // Sets up the simulated panel, the flow and the answers the scenario gives
  // without a time; the clock of the timed statements starts now.
  ScenarioRun(ScenarioScript script, engine::SimulatedMachine& machine, platform::Runtime& runtime,
              ScenarioHost& host);
  ~ScenarioRun();
  ScenarioRun(const ScenarioRun&) = delete;
  ScenarioRun& operator=(const ScenarioRun&) = delete;

  // After every start of the engine, once its settings are loaded: the
  // scenario's settings. The first time also the other untimed statements,
  // the timed ones and the flow begin.
  void engineStarted();

  // The next answer the scenario gives to a dialog, or nullopt.
  std::optional<std::string> takeAnswer();
  // Timed statements that failed when carried out (named through note()).
  int failures() const { return failures_; }

 private:
  void carryOut(const ScenarioLine& line);
  // The statements that need the running program.
  void carryOutOnEngine(const ScenarioLine& line, engine::Engine& engine);
  void applySettings(settings::AppSettings& record) const;
  void applyPanel(const ScenarioLine& line);
  void armEventTimer();
  void runDueEvents();
  // Milliseconds since the start, past the 49 days the tick count holds.
  std::uint64_t elapsedMilliseconds();
  // A daily event carried out comes again a day later.
  void repeatTomorrow(const platform::sim::TimedEvent& event);
  void flowSecond();
  void wearSecond();

  ScenarioScript script_;
  engine::SimulatedMachine& machine_;
  platform::Runtime& runtime_;
  ScenarioHost& host_;
  std::deque<std::string> answers_;
  // Every "setting" carried out so far, set again after each start.
  std::vector<ScenarioLine> settings_;
  BatteryFlow flow_;
  std::unique_ptr<platform::Timer> eventTimer_;
  std::unique_ptr<platform::Timer> flowTimer_;
  std::size_t nextEvent_ = 0;
  std::uint32_t lastTick_ = 0;
  std::uint64_t elapsed_ = 0;  // ms
  std::optional<double> wearPercentPerDay_;
  double wearCarry_ = 0.0;  // mWh worn and not yet taken off the capacity
  bool started_ = false;
  int failures_ = 0;
};

}  // namespace voltaro::scenario
