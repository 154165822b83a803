#include "watch_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "change_printer.h"
#include "engine/service_set.h"
#include "engine_session.h"
#include "platform/sim/scenario_reader.h"
#include "platform/sim/steady_runtime.h"
#include "scenario/scenario_script.h"

namespace voltaro::tools {

namespace {

struct WatchArgs {
  std::optional<std::uint64_t> seconds;
  std::string simulate;
  std::string sysfs;
};

std::string parseWatchArgs(const std::vector<std::string>& args, WatchArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word != "--seconds" && word != "--simulate" && word != "--sysfs") {
      return "unknown option '" + word + "'";
    }
    if (i + 1 >= args.size()) return word + " needs a value";
    const std::string& value = args[++i];
    if (word == "--seconds") {
      const auto seconds = platform::sim::scenario::parseUnsigned(value);
      if (!seconds || *seconds == 0) return "--seconds needs a whole number above 0";
      parsed.seconds = *seconds;
      continue;
    }
    (word == "--simulate" ? parsed.simulate : parsed.sysfs) = value;
  }
  if (!parsed.simulate.empty() && !parsed.sysfs.empty()) {
    return "--simulate and --sysfs exclude each other";
  }
  return "";
}

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
  platform::sim::SteadyRuntime runtime;
  engine::ServiceChoice choice;
  choice.batteries =
      args.simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = args.sysfs;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl watch: " << error << "\n";
    return 2;
  }
  scenario::ScenarioReading reading;
  if (!args.simulate.empty()) {
    reading = scenario::readScenarioFile(args.simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl watch: " << args.simulate << ": " << reading.error->text() << "\n";
      return 2;
    }
  }
  ChangePrinter printer(out, wallClock);
  ConsoleErrors errors(err);
  EngineSession session(*services, errors, SessionPorts{&printer, &printer});
  session.onStart = [&] { printer.attach(session.engine()->texts()); };
  session.onNote = [&](const std::string& text) { printer.note(text); };
  session.onCarryingOut = [&](const scenario::ScenarioLine& line) {
    printer.note(scenario::describe(line));
  };
  if (!args.simulate.empty()) session.runScenario(std::move(reading.script));
  TickWatch tickWatch(runtime, printer, [&session] {
    return session.engine() != nullptr && session.engine()->monitor().tickRunning();
  });
  if (const int status = session.start(); status != 0) return status;
  session.enableMonitoring();
  const auto advance = [&runtime](std::uint64_t milliseconds) { runtime.runFor(milliseconds); };
  for (;;) {
    session.run(args.seconds ? *args.seconds * 1000 : 3600000, advance);
    if (args.seconds) return 0;
  }
}

}  // namespace

const char* watchUsage() {
  return "  voltaroctl watch [--seconds N] [--simulate FILE | --sysfs DIR]\n";
}

int runWatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  WatchArgs parsed;
  if (auto problem = parseWatchArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl watch: " << problem << "\nusage:\n" << watchUsage();
    return 2;
  }
  return watch(parsed, out, err);
}

}  // namespace voltaro::tools
