// A scenario on virtual time over the whole engine, as `simulate`, the
// calibration runs and `graph --scenario` run it: the simulated machine, a
// data folder under the given Documents base (or a temporary one that goes
// at the end), the printer of what changes and what the program does, and
// the dialogs answered from the scenario. Hours of ticks take a second.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "activity_printer.h"
#include "change_printer.h"
#include "common/file_calls.h"
#include "engine_session.h"
#include "platform/sim/sim_worker_threads.h"
#include "platform/sim/virtual_runtime.h"
#include "scenario/scenario_script.h"
#include "scripted_dialogs.h"

namespace voltaro::tools {

class Simulation {
 public:
  // `out` receives the printed lines; nullptr prints nothing.
  Simulation(std::ostream* out, std::ostream& err);
  ~Simulation();
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  // Reads the scenario (text or file) and sets the machine up over
  // `documents` ("" for a temporary base). An error names the line.
  std::optional<std::string> load(const std::string& text, const std::string& documents);
  std::optional<std::string> loadFile(const std::string& path, const std::string& documents);

  // The program's start; 0 or the start-up error's exit status.
  int start();
  // Runs `hours` of virtual time; `step` after each step of it.
  void run(double hours, const std::function<void()>& step = nullptr);
  // The exit procedure, when the computer runs.
  void exit() { session_->exit(); }

  engine::Engine* engine() { return session_->engine(); }
  EngineSession& session() { return *session_; }
  ChangePrinter& printer() { return *printer_; }
  platform::sim::VirtualRuntime& runtime() { return *runtime_; }
  const std::string& documents() const { return documents_; }
  int errors() const { return errors_.count(); }
  // "10:00:05", or "d2 10:00:05" from the second simulated day on.
  std::string clock() const;

 private:
  std::ostream* out_;
  UnflushedFileCalls fileCalls_;
  ConsoleErrors errors_;
  std::string documents_;
  class Nowhere;
  std::unique_ptr<Nowhere> nowhere_;
  std::unique_ptr<platform::sim::VirtualRuntime> runtime_;
  platform::sim::SimWorkerThreads workers_;
  std::unique_ptr<engine::ServiceSet> services_;
  std::unique_ptr<ChangePrinter> printer_;
  std::unique_ptr<ActivityPrinter> activity_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<EngineSession> session_;
  std::unique_ptr<TickWatch> tickWatch_;
};

}  // namespace voltaro::tools
