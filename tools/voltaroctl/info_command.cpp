#include "info_command.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <string>

#include "battery/battery_access.h"
#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine_session.h"
#include "information_page.h"
#include "platform/sim/virtual_runtime.h"
#include "scenario/scenario_script.h"

namespace voltaro::tools {

namespace {

using view::Page;

struct InfoArgs {
  std::string simulate;
  std::string sysfs;
};

// Returns an error message, or "" when the words are valid.
std::string parseArgs(const std::vector<std::string>& args, InfoArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word != "--simulate" && word != "--sysfs") return "unknown option '" + word + "'";
    if (i + 1 >= args.size()) return word + " needs a value";
    (word == "--simulate" ? parsed.simulate : parsed.sysfs) = args[++i];
  }
  if (!parsed.simulate.empty() && !parsed.sysfs.empty()) {
    return "--simulate and --sysfs exclude each other";
  }
  return "";
}

// Reads the current slot's information and one status reading: at most one
// request cycle, as the monitoring tick would run it.
void readBattery(platform::sim::VirtualRuntime& runtime, battery::BatteryAccess& access) {
  access.config0(true);
  access.slotbatafis();
  for (int tick = 0; tick < 10; ++tick) {
    runtime.advance(1000);
    access.readstatus();
    if (access.bothRequestsFinished()) break;
  }
  access.cancelStatusRequest();
  access.closeStatusHandle();
  access.restartRequests();
}

void printSlotsAndKey(const view::ShownTexts& texts, const battery::BatteryInfo& info,
                      std::ostream& out) {
  out << "Slots / Batteries  " << texts.get(Page::Information, "Slots / Batteries") << "\n";
  if (!info.batteryKey.empty()) out << "BatteryKey         " << info.batteryKey << "\n";
}

}  // namespace

const char* infoUsage() {
  return "  voltaroctl info [--simulate FILE | --sysfs DIR]\n";
}

int runInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  InfoArgs parsed;
  if (auto problem = parseArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl info: " << problem << "\nusage:\n" << infoUsage();
    return 2;
  }
  platform::sim::VirtualRuntime runtime(localDayTime(std::chrono::system_clock::now()));
  engine::ServiceChoice choice;
  choice.batteries =
      parsed.simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = parsed.sysfs;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl info: " << error << "\n";
    return 2;
  }
  if (!parsed.simulate.empty()) {
    const auto reading = scenario::readScenarioFile(parsed.simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl info: " << parsed.simulate << ": " << reading.error->text() << "\n";
      return 2;
    }
  }
  ConsoleErrors errors(err);
  EngineSession session(*services, errors, SessionPorts{});
  if (const int status = session.start(); status != 0) return status;
  engine::Engine& engine = *session.engine();
  battery::BatteryAccess& access = engine.battery();
  battery::SlotTable& slots = engine.battery().slots();
  access.scanslots();
  access.pickslot();
  const view::ShownTexts& texts = engine.texts();
  if (slots.batteryCount == 0) {
    out << texts.get(Page::Caption, "Battery") << "\n";
    printSlotsAndKey(texts, engine.info(), out);
    return 0;
  }
  const std::string slotsText = texts.get(Page::Information, "Slots / Batteries");
  const int primary = slots.primarySlot;
  for (int slot = 1; slot <= battery::kSlotCount; ++slot) {
    if (!slots.slot(slot).batteryPresent) continue;
    slots.currentSlot = slot;
    readBattery(runtime, access);
    out << texts.get(Page::Caption, "Battery") << " (slot " << slot << ")\n";
    printInformationPage(texts, out);
  }
  slots.currentSlot = primary;
  out << "Slots / Batteries  " << slotsText << "\n";
  if (!engine.info().batteryKey.empty())
    out << "BatteryKey         " << engine.info().batteryKey << "\n";
  return 0;
}

}  // namespace voltaro::tools
