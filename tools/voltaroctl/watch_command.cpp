#include "watch_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "battery_json.h"
#include "change_printer.h"
#include "common/file_calls.h"
#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine_session.h"
#include "platform/sim/steady_runtime.h"
#include "scenario/scenario_script.h"

namespace voltaro::tools {

namespace {

struct WatchArgs {
  std::optional<std::uint64_t> seconds;
  BatterySource source;
  bool json = false;
};

// Prints the battery's figures as one JSON line whenever they differ from
// the last line printed.
class JsonChanges {
 public:
  explicit JsonChanges(std::ostream& out) : out_(out) {}
  void look(engine::Engine* engine) {
    // Nothing is known before the monitor's first scan.
    if (engine == nullptr || !engine->monitor().tickRunning()) return;
    const bool present = engine->slots().batteryCount > 0;
    // A battery found but not yet read has no figures to give.
    if (present && engine->live().reading == platform::BatteryStatusRecord{}) return;
    nlohmann::ordered_json figures = present ? statusJson(*engine) : absentJson(*engine);
    figures["present"] = present;
    if (figures == last_) return;
    last_ = figures;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    figures["timestamp"] = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    out_ << figures.dump() << std::endl;
  }

 private:
  std::ostream& out_;
  nlohmann::ordered_json last_;
};

// "HH:MM:SS" of the wall clock.
std::string wallClock() {
  const CivilDateTime t = fromDayTime(localDayTime(std::chrono::system_clock::now()));
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

// The engine on the system's batteries or a scenario's, on the real clock,
// over a temporary data folder: watching leaves nothing behind.
int watch(const WatchArgs& args, std::ostream& out, std::ostream& err) {
  // The engine runs on a temporary data folder that goes when the command ends.
  const UnflushedFileCalls unflushed;
  platform::sim::SteadyRuntime runtime;
  engine::ServiceChoice choice;
  const std::string& simulate = args.source.simulate;
  choice.batteries = simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = args.source.sysfs;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl watch: " << error << "\n";
    return kExitUsage;
  }
  scenario::ScenarioReading reading;
  if (!simulate.empty()) {
    reading = scenario::readScenarioFile(simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl watch: " << simulate << ": " << reading.error->text() << "\n";
      return kExitUsage;
    }
  }
  // With --json the page texts go nowhere.
  std::ostream nowhere(nullptr);
  ChangePrinter printer(args.json ? nowhere : out, wallClock);
  JsonChanges changes(out);
  ConsoleErrors errors(err);
  EngineSession session(*services, errors, SessionPorts{&printer, &printer});
  session.onStart = [&] { printer.attach(session.engine()->texts()); };
  session.onNote = [&](const std::string& text) { printer.note(text); };
  session.onCarryingOut = [&](const scenario::ScenarioLine& line) {
    printer.note(scenario::describe(line));
  };
  if (!simulate.empty()) session.runScenario(std::move(reading.script));
  TickWatch tickWatch(runtime, printer, [&session] {
    return session.engine() != nullptr && session.engine()->monitor().tickRunning();
  });
  if (const int status = session.start(); status != 0) return status;
  session.enableMonitoring();
  const auto advance = [&runtime](std::uint64_t milliseconds) { runtime.runFor(milliseconds); };
  const auto step = [&] {
    if (args.json) changes.look(session.engine());
  };
  for (;;) {
    session.run(args.seconds ? *args.seconds * 1000 : 3600000, advance, step);
    if (args.seconds) return kExitDone;
  }
}

}  // namespace

CommandAction defineWatchCommand(CLI::App& command) {
  auto args = std::make_shared<WatchArgs>();
  command
      .add_option_function<std::uint64_t>(
          "--seconds", [args](std::uint64_t seconds) { args->seconds = seconds; },
          "Stop after N seconds (default: run until interrupted)")
      ->type_name("N")
      ->check(CLI::PositiveNumber);
  addBatterySource(command, args->source);
  command.add_flag("--json", args->json,
                   "Print one JSON object per line whenever the battery's figures change");
  return [args](std::ostream& out, std::ostream& err) { return watch(*args, out, err); };
}

}  // namespace voltaro::tools
