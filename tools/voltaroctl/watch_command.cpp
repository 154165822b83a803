#include "watch_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "change_printer.h"
#include "engine/system_driver.h"
#include "monitor_session.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/steady_runtime.h"

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

int watchSystem(const WatchArgs& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const auto driver = engine::makeSystemDriver(args.sysfs, error);
  if (!driver) {
    err << "voltaroctl watch: " << error << "\n";
    return 2;
  }
  platform::sim::SteadyRuntime runtime;
  ChangePrinter printer(out, wallClock);
  MonitorSession session(runtime, *driver, printer);
  session.start();
  for (;;) {
    runtime.runFor(args.seconds ? *args.seconds * 1000 : 3600000);
    if (args.seconds) return 0;
  }
}

int watchScenario(const WatchArgs& args, std::ostream& out, std::ostream& err) {
  platform::sim::SimBatteryDriver driver;
  platform::sim::SteadyRuntime runtime;
  ChangePrinter printer(out, wallClock);
  MonitorSession session(runtime, driver, printer);
  platform::sim::ScenarioReader reader;
  session.addVerbs(reader, driver);
  const auto result = reader.readFile(args.simulate, driver);
  if (!result.ok()) {
    err << "voltaroctl watch: " << args.simulate << ": " << result.error->text() << "\n";
    return 2;
  }
  for (const auto& event : result.events) {
    runtime.postAfter(std::uint64_t{event.atSeconds} * 1000, [&, line = event.action] {
      printer.note(describe(line));
      reader.apply(line, driver);
    });
  }
  session.start();
  for (;;) {
    runtime.runFor(args.seconds ? *args.seconds * 1000 : 3600000);
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
  if (!parsed.simulate.empty()) return watchScenario(parsed, out, err);
  return watchSystem(parsed, out, err);
}

}  // namespace voltaro::tools
