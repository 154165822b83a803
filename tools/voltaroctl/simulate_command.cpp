#include "simulate_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "calibration_report.h"
#include "engine/engine.h"
#include "simulation.h"

namespace voltaro::tools {

namespace {

constexpr double kMaximumHours = 24.0 * 366;  // a year of virtual time

struct SimulateArgs {
  std::string file;
  double hours = 1;
  std::string data;  // the Documents base; "" a temporary one
};

// The run of every simulating command; the calibration commands add their
// report to what simulate prints.
int runScenario(const char* name, bool calibrationReport, const SimulateArgs& parsed,
                std::ostream& out, std::ostream& err) {
  Simulation simulation(&out, err);
  if (auto problem = simulation.loadFile(parsed.file, parsed.data)) {
    err << "voltaroctl " << name << ": " << *problem << "\n";
    return kExitUsage;
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
  return simulation.errors() == 0 ? kExitDone : kExitFailed;
}

CommandAction defineScenarioRun(CLI::App& command, const char* name, bool calibrationReport) {
  auto args = std::make_shared<SimulateArgs>();
  command.add_option("FILE", args->file, "The scenario file")->required();
  command.add_option("--hours", args->hours, "Hours of virtual time to run (default 1)")
      ->type_name("H")
      ->check(CLI::Range(0.0, kMaximumHours))
      ->check(CLI::PositiveNumber);
  command
      .add_option("--data", args->data,
                  "Keep the data folder under this Documents base (default: a temporary one)")
      ->type_name("DIR");
  return [args, name, calibrationReport](std::ostream& out, std::ostream& err) {
    return runScenario(name, calibrationReport, *args, out, err);
  };
}

}  // namespace

CommandAction defineSimulateCommand(CLI::App& command) {
  return defineScenarioRun(command, kSimulateCommand.name, false);
}

CommandAction defineCalibrateSimCommand(CLI::App& command) {
  return defineScenarioRun(command, kCalibrateSimCommand.name, true);
}

CommandAction defineFastDischargeSimCommand(CLI::App& command) {
  return defineScenarioRun(command, kFastDischargeSimCommand.name, true);
}

}  // namespace voltaro::tools
