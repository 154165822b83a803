#include "simulate_command.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "change_printer.h"
#include "monitor_session.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::tools {

namespace {

constexpr double kMaximumHours = 24.0 * 31;
constexpr CivilDateTime kSimulatedDay{2026, 1, 1};

struct SimulateArgs {
  std::string file;
  double hours = 1;
};

std::string parseSimulateArgs(const std::vector<std::string>& args, SimulateArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--hours") {
      if (i + 1 >= args.size()) return "--hours needs a value";
      const std::string& value = args[++i];
      char* end = nullptr;
      parsed.hours = std::strtod(value.c_str(), &end);
      if (end == value.c_str() || *end != '\0' || !(parsed.hours > 0) ||
          parsed.hours > kMaximumHours) {
        return "--hours needs a number above 0, at most 744";
      }
      continue;
    }
    if (word.starts_with("--")) return "unknown option '" + word + "'";
    if (!parsed.file.empty()) return "one scenario file only";
    parsed.file = word;
  }
  if (parsed.file.empty()) return "no scenario file";
  return "";
}

// "10:00:05", or "d2 10:00:05" from the second simulated day on.
std::string simulatedClock(const platform::sim::VirtualRuntime& runtime) {
  const DayTime now = runtime.now();
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

bool readText(const std::string& path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return true;
}

}  // namespace

const char* simulateUsage() {
  return "  voltaroctl simulate FILE [--hours H]\n";
}

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimulateArgs parsed;
  if (auto problem = parseSimulateArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl simulate: " << problem << "\nusage:\n" << simulateUsage();
    return 2;
  }
  std::string text;
  if (!readText(parsed.file, text)) {
    err << "voltaroctl simulate: cannot read the scenario file " << parsed.file << "\n";
    return 2;
  }
  CivilDateTime start = kSimulatedDay;
  if (auto problem = resolveClockTimes(text, start)) {
    err << "voltaroctl simulate: " << parsed.file << ": " << *problem << "\n";
    return 2;
  }
  platform::sim::VirtualRuntime runtime(toDayTime(start));
  platform::sim::SimBatteryDriver driver;
  ChangePrinter printer(out, [&runtime] { return simulatedClock(runtime); });
  MonitorSession session(runtime, driver, printer);
  platform::sim::ScenarioReader reader;
  session.addVerbs(reader, driver);
  const auto result = reader.read(text, driver);
  if (!result.ok()) {
    err << "voltaroctl simulate: " << parsed.file << ": " << result.error->text() << "\n";
    return 2;
  }
  for (const auto& event : result.events) {
    runtime.postAt(std::uint64_t{event.atSeconds} * 1000, [&, line = event.action] {
      printer.note(describe(line));
      reader.apply(line, driver);
    });
  }
  session.start();
  const auto milliseconds = static_cast<std::uint64_t>(parsed.hours * 3600.0 * 1000.0);
  runtime.advance(milliseconds);
  out << simulatedClock(runtime) << "  end: " << session.assembly.monitor.ticksRun() << " ticks, "
      << printer.linesPrinted() << " changes\n";
  return 0;
}

}  // namespace voltaro::tools
