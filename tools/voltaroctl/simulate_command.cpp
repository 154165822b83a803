#include "simulate_command.h"

#include <cstdlib>
#include <memory>
#include <ostream>

#include "calibration_report.h"
#include "engine/engine.h"
#include "simulation.h"

namespace voltaro::tools {

namespace {

constexpr double kMaximumHours = 24.0 * 31;

struct SimulateArgs {
  std::string file;
  double hours = 1;
  std::string data;  // the Documents base; "" a temporary one
};

std::string parseSimulateArgs(const std::vector<std::string>& args, SimulateArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--hours" || word == "--data") {
      if (i + 1 >= args.size()) return word + " needs a value";
      const std::string& value = args[++i];
      if (word == "--data") {
        parsed.data = value;
        continue;
      }
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

// The run of every simulating command; the calibration commands add their
// report to what simulate prints.
int runScenario(const char* name, const char* (*usage)(), bool calibrationReport,
                const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimulateArgs parsed;
  if (auto problem = parseSimulateArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl " << name << ": " << problem << "\nusage:\n" << usage();
    return 2;
  }
  Simulation simulation(&out, err);
  if (auto problem = simulation.loadFile(parsed.file, parsed.data)) {
    err << "voltaroctl " << name << ": " << *problem << "\n";
    return 2;
  }
  std::unique_ptr<CalibrationReport> report;
  if (calibrationReport) report = std::make_unique<CalibrationReport>(simulation);
  if (const int status = simulation.start(); status != 0) return status;
  simulation.run(parsed.hours, [&report] {
    if (report) report->step();
  });
  if (report) report->finish();
  engine::Engine* engine = simulation.engine();
  const std::uint64_t ticks = engine != nullptr ? engine->monitor().ticksRun() : 0;
  const std::string dataFolder =
      engine != nullptr && !parsed.data.empty() ? "; data in " + engine->dataFolder() : "";
  simulation.exit();
  out << simulation.clock() << "  end: " << ticks << " ticks, "
      << simulation.printer().linesPrinted() << " changes" << dataFolder << "\n";
  return simulation.errors() == 0 ? 0 : 1;
}

}  // namespace

const char* simulateUsage() {
  return "  voltaroctl simulate FILE [--hours H] [--data DIR]\n";
}

const char* calibrateSimUsage() {
  return "  voltaroctl calibrate-sim FILE [--hours H] [--data DIR]\n";
}

const char* fastDischargeSimUsage() {
  return "  voltaroctl fast-discharge-sim FILE [--hours H] [--data DIR]\n";
}

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return runScenario("simulate", simulateUsage, false, args, out, err);
}

int runCalibrateSimCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err) {
  return runScenario("calibrate-sim", calibrateSimUsage, true, args, out, err);
}

int runFastDischargeSimCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
  return runScenario("fast-discharge-sim", fastDischargeSimUsage, true, args, out, err);
}

}  // namespace voltaro::tools
