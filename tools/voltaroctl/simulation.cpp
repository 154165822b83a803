#include "simulation.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <thread>

#include "engine/engine.h"

namespace voltaro::tools {

namespace {

// The simulated day: 1 January 2026, the clock as the scenario's start says.
constexpr CivilDateTime kSimulatedDay{2026, 1, 1};

}  // namespace

// Swallows what a quiet simulation would print.
class Simulation::Nowhere : public std::ostream {
 public:
  Nowhere() : std::ostream(&buffer_) {}

 private:
  class NullBuffer : public std::streambuf {
   protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
  };
  NullBuffer buffer_;
};

Simulation::Simulation(std::ostream* out, std::ostream& err) : out_(out), errors_(err) {}

Simulation::~Simulation() {
  // Nothing that asks for the engine may run while it goes, and it goes
  // before the services it runs on.
  tickWatch_.reset();
  if (dialogs_) dialogs_->closeAll();
  session_.reset();
}

std::string Simulation::clock() const {
  const DayTime now = runtime_->now();
  const CivilDateTime t = fromDayTime(now);
  const int day = dayNumber(now) - dayNumber(toDayTime(kSimulatedDay)) + 1;
  char text[32];
  if (day > 1) {
    std::snprintf(text, sizeof text, "d%d %02d:%02d:%02d", day, t.hour, t.minute, t.second);
  } else {
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  }
  return text;
}

std::optional<std::string> Simulation::loadFile(const std::string& path,
                                                const std::string& documents) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "cannot read the scenario file " + path;
  std::ostringstream text;
  text << file.rdbuf();
  if (auto problem = load(text.str(), documents)) return path + ": " + *problem;
  return std::nullopt;
}

std::optional<std::string> Simulation::load(const std::string& text, const std::string& documents) {
  platform::sim::SimBatteryDriver batteries;
  scenario::ScenarioReading reading = scenario::readScenario(text, batteries);
  if (!reading.ok()) return reading.error->text();

  CivilDateTime start = kSimulatedDay;
  start.hour = reading.script.startSecondOfDay / 3600;
  start.minute = reading.script.startSecondOfDay / 60 % 60;
  start.second = reading.script.startSecondOfDay % 60;
  runtime_ = std::make_unique<platform::sim::VirtualRuntime>(toDayTime(start));
  engine::ServiceChoice choice;
  choice.documents = documents.empty() ? engine::Documents::Temporary : engine::Documents::Given;
  choice.documentsFolder = documents;
  choice.threads = &workers_;
  std::string error;
  services_ = engine::ServiceSet::create(*runtime_, choice, error);
  if (!services_) return error;
  services_->machine().driver = batteries;
  documents_ = services_->documentsFolder();

  if (out_ == nullptr) nowhere_ = std::make_unique<Nowhere>();
  printer_ = std::make_unique<ChangePrinter>(out_ ? *out_ : *nowhere_, [this] { return clock(); });
  activity_ = std::make_unique<ActivityPrinter>(*printer_);
  activity_->watch(services_->machine());
  dialogs_ = std::make_unique<ScriptedDialogs>(
      *runtime_, *printer_, [this] { return session_->engine(); },
      [this] { return session_->scenarioRun()->takeAnswer(); });
  session_ =
      std::make_unique<EngineSession>(*services_, errors_,
                                      SessionPorts{printer_.get(), printer_.get(), dialogs_.get(),
                                                   dialogs_.get(), activity_.get()});
  session_->onNote = [this](const std::string& note) { printer_->note(note); };
  session_->onCarryingOut = [this](const scenario::ScenarioLine& line) {
    printer_->note(scenario::describe(line));
  };
  session_->onStart = [this] { printer_->attach(session_->engine()->texts()); };
  session_->onStop = [this] { dialogs_->closeAll(); };
  session_->runScenario(std::move(reading.script));
  tickWatch_ = std::make_unique<TickWatch>(*runtime_, *printer_, [this] {
    engine::Engine* engine = session_->engine();
    return engine != nullptr && engine->monitor().tickRunning();
  });
  return std::nullopt;
}

int Simulation::start() {
  const int status = session_->start();
  if (status == 0) session_->enableMonitoring();
  return status;
}

void Simulation::run(double hours, const std::function<void()>& step) {
  const auto total = static_cast<std::uint64_t>(hours * 3600.0 * 1000.0);
  session_->run(
      total, [this](std::uint64_t milliseconds) { runtime_->advance(milliseconds); },
      [this, &step] {
        // The load workers read the virtual clock, and get a moment to run.
        workers_.setNow(runtime_->now());
        engine::Engine* engine = session_->engine();
        if (engine != nullptr && engine->fastDischarge().workersAlive() > 0) {
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (step) step();
      });
}

}  // namespace voltaro::tools
