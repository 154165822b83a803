#include "engine_session.h"

#include <algorithm>
#include <ostream>

namespace voltaro::tools {

namespace {
// The run's steps: a power-off or boot waits at most this long.
constexpr std::uint64_t kStepMilliseconds = 100;
}  // namespace

EngineSession::EngineSession(engine::ServiceSet& services, ConsoleErrors& errors,
                             const SessionPorts& ports)
    : services_(services), errors_(errors), ports_(ports) {}

EngineSession::~EngineSession() {
  run_.reset();
  destroyEngine();
}

void EngineSession::runScenario(scenario::ScenarioScript script) {
  run_ = std::make_unique<scenario::ScenarioRun>(std::move(script), services_.machine(),
                                                 services_.runtime(), *this);
}

int EngineSession::start() {
  engine::PresentationPorts ports{ports_.tray ? *ports_.tray : silentTray_,
                                  ports_.statusLine ? *ports_.statusLine : silentStatusLine_,
                                  errors_,
                                  errors_,
                                  ports_.confirmation ? *ports_.confirmation : unseenConfirmation_,
                                  advice_,
                                  fileDialogs_,
                                  graph_,
                                  window_};
  ports.parameters = ports_.parameters;
  ports.activity = ports_.activity;
  engine_ = std::make_unique<engine::Engine>(services_.services(), ports);
  if (const int status = engine_->formCreate(); status != 0) return status;
  if (onStart) onStart();
  if (run_) run_->engineStarted();
  return 0;
}

void EngineSession::enableMonitoring() {
  if (engine_) engine_->enableMonitoring();
}

void EngineSession::exit() {
  if (engine_ && !offPending_) engine_->exitProcedure();
}

void EngineSession::run(std::uint64_t milliseconds, const Advance& advance,
                        const std::function<void()>& step) {
  for (std::uint64_t done = 0; done < milliseconds;) {
    const std::uint64_t span = std::min(kStepMilliseconds, milliseconds - done);
    advance(span);
    done += span;
    settle();
    if (step) step();
  }
}

void EngineSession::powerOff(const std::string& why) {
  if (!engine_ || offPending_) return;
  offPending_ = true;
  note("the computer " + why);
}

void EngineSession::boot() {
  bootPending_ = true;
}

void EngineSession::carryingOut(const scenario::ScenarioLine& line) {
  if (onCarryingOut) onCarryingOut(line);
}

void EngineSession::note(const std::string& text) {
  if (onNote) onNote(text);
}

void EngineSession::settle() {
  if (offPending_) {
    destroyEngine();
    offPending_ = false;
  }
  if (bootPending_) {
    bootPending_ = false;
    if (engine_) return;
    if (start() == 0) enableMonitoring();
  }
}

// The computer goes off: the workers stop and the devices close, but
// nothing is saved, as when the power goes.
void EngineSession::destroyEngine() {
  if (!engine_) return;
  if (onStop) onStop();
  engine_->fastDischarge().shutdown();
  engine_->monitor().stop();
  engine_->formDestroy();
  engine_.reset();
}

}  // namespace voltaro::tools
