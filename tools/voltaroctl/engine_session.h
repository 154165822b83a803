// The whole engine as a voltaroctl command runs it: the engine on a service
// set, the windows it shows through (console_ports.h unless the command
// brings its own), and, for a scenario, the run that carries it out. A
// scenario may switch the simulated computer off and on; the session then
// ends and makes the engine between two steps of the run, never inside one
// of the engine's own calls.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "console_ports.h"
#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine/window_port.h"
#include "scenario/scenario_run.h"
#include "view/parameters_port.h"

namespace voltaro::tools {

// What the engine shows through; the tray, status line and confirmation are
// silent unless given.
struct SessionPorts {
  view::TrayPort* tray = nullptr;
  view::StatusLine* statusLine = nullptr;
  view::ConfirmationPort* confirmation = nullptr;
  view::ParametersPort* parameters = nullptr;
  engine::ActivityPort* activity = nullptr;
};

class EngineSession : public scenario::ScenarioHost {
 public:
  EngineSession(engine::ServiceSet& services, ConsoleErrors& errors, const SessionPorts& ports);
  ~EngineSession() override;
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  // Carries out `script` on the services' simulated machine from now on.
  void runScenario(scenario::ScenarioScript script);

  // The program's start: a new engine, the main window's creation and the
  // scenario's settings. 0, or the start-up error's exit status.
  int start();
  // The last window exists: monitoring starts a moment later.
  void enableMonitoring();
  // The exit procedure of a running engine (the settings are saved).
  void exit();

  // Runs `milliseconds` of the runtime in steps, carrying out a power-off or
  // boot asked for in a step after it; `step` runs after each step.
  using Advance = std::function<void(std::uint64_t milliseconds)>;
  void run(std::uint64_t milliseconds, const Advance& advance,
           const std::function<void()>& step = nullptr);

  // ScenarioHost.
  engine::Engine* engine() override { return offPending_ ? nullptr : engine_.get(); }
  void powerOff(const std::string& why) override;
  void boot() override;
  void carryingOut(const scenario::ScenarioLine& line) override;
  void note(const std::string& text) override;

  engine::ServiceSet& services() { return services_; }
  scenario::ScenarioRun* scenarioRun() { return run_.get(); }

  // What a printer makes of the run's doings.
  std::function<void(const std::string&)> onNote;
  std::function<void(const scenario::ScenarioLine&)> onCarryingOut;
  // The engine started (the first start and every boot).
  std::function<void()> onStart;
  // The engine is about to go (power-off or the end of the session).
  std::function<void()> onStop;

 private:
  void settle();
  void destroyEngine();

  engine::ServiceSet& services_;
  ConsoleErrors& errors_;
  SilentTray silentTray_;
  SilentStatusLine silentStatusLine_;
  UnseenConfirmation unseenConfirmation_;
  UnseenAdvice advice_;
  CancelledFileDialogs fileDialogs_;
  UndrawnGraph graph_;
  engine::WindowPort window_;
  SessionPorts ports_;
  std::unique_ptr<engine::Engine> engine_;
  std::unique_ptr<scenario::ScenarioRun> run_;
  bool offPending_ = false;
  bool bootPending_ = false;
};

}  // namespace voltaro::tools
