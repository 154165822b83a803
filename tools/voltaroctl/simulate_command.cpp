#include "simulate_command.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "change_printer.h"
#include "engine_session.h"
#include "monitor_session.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/virtual_runtime.h"
#include "settings/settings_fields.h"

namespace voltaro::tools {

namespace {

constexpr double kMaximumHours = 24.0 * 31;
constexpr CivilDateTime kSimulatedDay{2026, 1, 1};

struct SimulateArgs {
  std::string file;
  double hours = 1;
  std::string data;  // the Documents base of the whole engine's run; "" monitor only
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
    if (word == "--data") {
      if (i + 1 >= args.size()) return "--data needs a folder";
      parsed.data = args[++i];
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

// "setting NAME=VALUE": a field of the settings record. Written without
// "at", it is recorded and set once the settings are loaded; with "at", it
// is set at its time.
class SettingStatements {
 public:
  SettingStatements(platform::sim::ScenarioReader& reader,
                    platform::sim::SimBatteryDriver& driver) {
    reader.addVerb(
        "setting",
        [this, &driver](const platform::sim::ScenarioLine& line,
                        platform::sim::SimBatteryDriver& target) -> std::optional<std::string> {
          if (!line.words.empty() || line.values.size() != 1) return "write 'setting NAME=VALUE'";
          const auto& [name, value] = *line.values.begin();
          const settings::SettingsField* field = settings::findSettingsField(name);
          if (field == nullptr) return "no setting named '" + name + "'";
          settings::AppSettings scratch;
          if (auto problem = settings::setFieldValue(scratch, *field, value)) return problem;
          if (&target != &driver) return std::nullopt;
          if (live_ != nullptr) {
            settings::setFieldValue(*live_, *field, value);
          } else {
            recorded_.emplace_back(field, value);
          }
          return std::nullopt;
        });
  }

  void applyRecorded(settings::AppSettings& record) const {
    for (const auto& [field, value] : recorded_) settings::setFieldValue(record, *field, value);
  }
  // Timed statements from now on set `record` itself.
  void applyLaterTo(settings::AppSettings& record) { live_ = &record; }

 private:
  std::vector<std::pair<const settings::SettingsField*, std::string>> recorded_;
  settings::AppSettings* live_ = nullptr;
};

void postEvents(platform::sim::VirtualRuntime& runtime, platform::sim::ScenarioReader& reader,
                platform::sim::SimBatteryDriver& driver, ChangePrinter& printer,
                const std::vector<platform::sim::TimedEvent>& events) {
  for (const auto& event : events) {
    runtime.postAt(std::uint64_t{event.atSeconds} * 1000, [&, line = event.action] {
      printer.note(describe(line));
      reader.apply(line, driver);
    });
  }
}

std::uint64_t simulatedMilliseconds(const SimulateArgs& parsed) {
  return static_cast<std::uint64_t>(parsed.hours * 3600.0 * 1000.0);
}

// The monitoring cycle alone: nothing is written to disc.
int runMonitorOnly(const SimulateArgs& parsed, const std::string& text, const CivilDateTime& start,
                   std::ostream& out, std::ostream& err) {
  platform::sim::VirtualRuntime runtime(toDayTime(start));
  platform::sim::SimBatteryDriver driver;
  ChangePrinter printer(out, [&runtime] { return simulatedClock(runtime); });
  MonitorSession session(runtime, driver, printer);
  platform::sim::ScenarioReader reader;
  session.addVerbs(reader, driver);
  SettingStatements settingStatements(reader, driver);
  const auto result = reader.read(text, driver);
  if (!result.ok()) {
    err << "voltaroctl simulate: " << parsed.file << ": " << result.error->text() << "\n";
    return 2;
  }
  settingStatements.applyRecorded(session.assembly.settings);
  settingStatements.applyLaterTo(session.assembly.settings);
  postEvents(runtime, reader, driver, printer, result.events);
  session.start();
  runtime.advance(simulatedMilliseconds(parsed));
  out << simulatedClock(runtime) << "  end: " << session.assembly.monitor.ticksRun() << " ticks, "
      << printer.linesPrinted() << " changes\n";
  return 0;
}

// The whole engine over the data folder of `parsed.data`: the discharge log,
// the health files and, after the exit procedure at the end, the settings.
int runOnEngine(const SimulateArgs& parsed, const std::string& text, const CivilDateTime& start,
                std::ostream& out, std::ostream& err) {
  platform::sim::VirtualRuntime runtime(toDayTime(start));
  platform::sim::SimBatteryDriver driver;
  ChangePrinter printer(out, [&runtime] { return simulatedClock(runtime); });
  DocumentsFolders folders(parsed.data);
  ConsoleErrors errors(err);
  EngineSession session({runtime, driver, folders, printer, printer, errors});
  engine::Engine& engine = session.engine();
  printer.attach(engine.texts());
  TickWatch tickWatch(runtime, printer, [&engine] { return engine.monitor().tickRunning(); });
  platform::sim::ScenarioReader reader;
  addPowerVerbs(reader, driver, session.powerEvents(), [&engine] { engine.monitor().act8(); });
  SettingStatements settingStatements(reader, driver);
  const auto result = reader.read(text, driver);
  if (!result.ok()) {
    err << "voltaroctl simulate: " << parsed.file << ": " << result.error->text() << "\n";
    return 2;
  }
  if (const int status = session.create(); status != 0) return status;
  // The scenario's settings replace what the settings file held.
  settingStatements.applyRecorded(engine.settings());
  settingStatements.applyLaterTo(engine.settings());
  postEvents(runtime, reader, driver, printer, result.events);
  session.enableMonitoring();
  runtime.advance(simulatedMilliseconds(parsed));
  engine.exitProcedure();
  out << simulatedClock(runtime) << "  end: " << engine.monitor().ticksRun() << " ticks, "
      << printer.linesPrinted() << " changes; data in " << engine.dataFolder() << "\n";
  return errors.count() == 0 ? 0 : 1;
}

}  // namespace

const char* simulateUsage() {
  return "  voltaroctl simulate FILE [--hours H] [--data DIR]\n";
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
  if (parsed.data.empty()) return runMonitorOnly(parsed, text, start, out, err);
  return runOnEngine(parsed, text, start, out, err);
}

}  // namespace voltaro::tools
