#include "info_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "battery/battery_access.h"
#include "battery_json.h"
#include "common/file_calls.h"
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
  BatterySource source;
  bool json = false;
};

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

// Every battery present, read in turn; the current slot is the primary
// again at the end, as the program keeps it.
void printPages(engine::Engine& engine, platform::sim::VirtualRuntime& runtime, std::ostream& out) {
  battery::BatteryAccess& access = engine.battery();
  battery::SlotTable& slots = access.slots();
  const view::ShownTexts& texts = engine.texts();
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
}

void printJson(engine::Engine& engine, platform::sim::VirtualRuntime& runtime, std::ostream& out) {
  battery::BatteryAccess& access = engine.battery();
  battery::SlotTable& slots = access.slots();
  const int primary = slots.primarySlot;
  nlohmann::ordered_json batteries = nlohmann::ordered_json::array();
  for (int slot = 1; slot <= battery::kSlotCount; ++slot) {
    if (!slots.slot(slot).batteryPresent) continue;
    slots.currentSlot = slot;
    readBattery(runtime, access);
    batteries.push_back(batteryJson(engine, slot));
  }
  slots.currentSlot = primary;
  // Reads of the other slots leave the primary battery's key alone.
  const std::string& key = engine.info().batteryKey;
  nlohmann::ordered_json all;
  all["batteries"] = std::move(batteries);
  all["slots"] = slots.slotCount;
  all["primary_slot"] =
      slots.batteryCount == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(primary);
  all["battery_key"] = key.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(key);
  out << all.dump() << "\n";
}

int runInfo(const InfoArgs& args, std::ostream& out, std::ostream& err) {
  // The engine runs on a temporary data folder that goes when the command ends.
  const UnflushedFileCalls unflushed;
  platform::sim::VirtualRuntime runtime(localDayTime(std::chrono::system_clock::now()));
  engine::ServiceChoice choice;
  const BatterySource& source = args.source;
  choice.batteries =
      source.simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = source.sysfs;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl info: " << error << "\n";
    return kExitUsage;
  }
  if (!source.simulate.empty()) {
    const auto reading = scenario::readScenarioFile(source.simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl info: " << source.simulate << ": " << reading.error->text() << "\n";
      return kExitUsage;
    }
  }
  ConsoleErrors errors(err);
  EngineSession session(*services, errors, SessionPorts{});
  if (const int status = session.start(); status != 0) return status;
  engine::Engine& engine = *session.engine();
  battery::BatteryAccess& access = engine.battery();
  access.scanslots();
  access.pickslot();
  const bool none = access.slots().batteryCount == 0;
  if (args.json) {
    printJson(engine, runtime, out);
  } else if (none) {
    out << engine.texts().get(Page::Caption, "Battery") << "\n";
    printSlotsAndKey(engine.texts(), engine.info(), out);
  } else {
    printPages(engine, runtime, out);
  }
  return none ? kExitFailed : kExitDone;
}

}  // namespace

CommandAction defineInfoCommand(CLI::App& command) {
  auto args = std::make_shared<InfoArgs>();
  addBatterySource(command, args->source);
  addJsonFlag(command, args->json);
  return [args](std::ostream& out, std::ostream& err) { return runInfo(*args, out, err); };
}

}  // namespace voltaro::tools
