#include "health_command.h"

#include <chrono>
#include <memory>
#include <ostream>

#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine_session.h"
#include "information_page.h"
#include "platform/sim/virtual_runtime.h"
#include "scenario/scenario_script.h"

namespace voltaro::tools {

namespace {

using view::Page;

// Monitoring starts 250 ms after the windows exist and reads the battery on
// its first ticks; ten seconds hold the first reading with room to spare.
constexpr std::uint64_t kFirstReadingMilliseconds = 10'000;

// "Cycles since Calibration" is the longest caption.
constexpr std::size_t kCaptionWidth = 30;

constexpr PageRow kCalibration[] = {
    {Page::Calibrate, "Battery Calibrations", ""},
    {Page::Calibrate, "Latest Calibration", "d"},
    {Page::Calibrate, "Full Discharge Cycles", ""},
    {Page::Calibrate, "Cycles since Calibration", ""},
    {Page::Calibrate, "Battery Usage Time", "h"},
    {Page::Calibrate, "Wear Level", "%"},
    {Page::Calibrate, "Maximum Wear Level", "%"},
    {Page::Calibrate, "Maximum Capacity", "mWh"},
    {Page::Calibrate, "Calibration", ""},
    {Page::Calibrate, "Discharging Time", "m"},
    {Page::Calibrate, "Charging Time", "m"},
};

constexpr PageRow kLeftColumn[] = {
    {Page::LeftColumn, "Wear", ""},
    {Page::LeftColumn, "Cycles", ""},
    {Page::LeftColumn, "Days", ""},
};

struct HealthArgs {
  std::string simulate;
  std::string sysfs;
  std::string data;
};

std::string parseArgs(const std::vector<std::string>& args, HealthArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    std::string* target = word == "--simulate" ? &parsed.simulate
                          : word == "--sysfs"  ? &parsed.sysfs
                          : word == "--data"   ? &parsed.data
                                               : nullptr;
    if (target == nullptr) return "unknown option '" + word + "'";
    if (i + 1 >= args.size()) return word + " needs a value";
    *target = args[++i];
  }
  if (!parsed.simulate.empty() && !parsed.sysfs.empty()) {
    return "--simulate and --sysfs exclude each other";
  }
  return "";
}

}  // namespace

const char* healthUsage() {
  return "  voltaroctl health [--simulate FILE | --sysfs DIR] [--data DIR]\n";
}

int runHealthCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  HealthArgs parsed;
  if (auto problem = parseArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl health: " << problem << "\nusage:\n" << healthUsage();
    return 2;
  }
  platform::sim::VirtualRuntime runtime(localDayTime(std::chrono::system_clock::now()));
  engine::ServiceChoice choice;
  choice.batteries =
      parsed.simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = parsed.sysfs;
  choice.documents = parsed.data.empty() ? engine::Documents::User : engine::Documents::Given;
  choice.documentsFolder = parsed.data;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl health: " << error << "\n";
    return 2;
  }
  if (!parsed.simulate.empty()) {
    const auto reading = scenario::readScenarioFile(parsed.simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl health: " << parsed.simulate << ": " << reading.error->text() << "\n";
      return 2;
    }
  }
  ConsoleErrors errors(err);
  EngineSession session(*services, errors, SessionPorts{});
  if (const int status = session.start(); status != 0) return status;
  session.enableMonitoring();
  runtime.advance(kFirstReadingMilliseconds);

  engine::Engine& engine = *session.engine();
  const view::ShownTexts& texts = engine.texts();
  // Without a battery there is no record to show, only the caption saying so.
  if (engine.slots().batteryCount == 0 || engine.info().batteryKey.empty()) {
    out << texts.get(Page::Caption, "Battery") << "\n";
    return 1;
  }
  out << "Battery (slot " << engine.slots().primarySlot << ")  "
      << texts.get(Page::Information, "Device Name") << "\n";
  out << "  Data folder  " << engine.dataFolder() << "\n";
  out << "  BatteryKey   " << engine.info().batteryKey << "\n";
  printPageSection("Calibration", kCalibration, texts, out, kCaptionWidth);
  printPageSection("Left column", kLeftColumn, texts, out, kCaptionWidth);
  return errors.count() == 0 ? 0 : 1;
}

}  // namespace voltaro::tools
