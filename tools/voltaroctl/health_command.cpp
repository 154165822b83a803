#include "health_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine_session.h"
#include "health/wear.h"
#include "history_output.h"
#include "information_page.h"
#include "journal/journal_files.h"
#include "journal/wear_trend.h"
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
  BatterySource source;
  std::string data;
  bool json = false;
};

constexpr std::uint32_t kSecondsPerMinute = 60;

nlohmann::ordered_json unlessZero(std::uint32_t value) {
  return value == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(value);
}

nlohmann::ordered_json percent(double value) {
  return std::round(value * 100.0) / 100.0;
}

nlohmann::ordered_json dayDate(std::uint32_t day) {
  if (day == 0) return nullptr;
  const CivilDateTime date = fromDayTime(static_cast<DayTime>(day));
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

// The health record and the wear it gives, in the fixed units of the JSON
// output; the wear is unknown while the designed capacity is.
nlohmann::ordered_json healthJson(const engine::Engine& engine) {
  const health::HealthRecord& record = engine.healthRecord();
  const platform::BatteryInformation& information = engine.info().information;
  const std::uint32_t designed = information.designedCapacity;
  const std::uint32_t full = information.fullChargedCapacity;
  const health::WearFigures wear = health::wearFigures(record.maximumCapacity, designed, full);
  nlohmann::ordered_json health;
  health["slot"] = engine.slots().primarySlot;
  health["name"] = engine.info().deviceName == "None"
                       ? nlohmann::ordered_json(nullptr)
                       : nlohmann::ordered_json(engine.info().deviceName);
  health["data_folder"] = engine.dataFolder();
  health["battery_key"] = engine.info().batteryKey;
  health["designed_capacity_mwh"] = unlessZero(designed);
  health["full_capacity_mwh"] = unlessZero(full);
  health["maximum_capacity_mwh"] = unlessZero(record.maximumCapacity);
  health["wear_percent"] =
      designed == 0 ? nlohmann::ordered_json(nullptr) : percent(wear.wearLevel);
  health["maximum_wear_percent"] =
      designed == 0 ? nlohmann::ordered_json(nullptr) : percent(wear.maximumWear);
  health["cycles"] = unlessZero(information.cycleCount);
  health["full_discharge_cycles"] = record.fullDischargeCycles / 100.0;
  health["cycles_since_calibration"] = record.cyclesSinceCalibration / 100.0;
  health["calibrations"] = record.calibrations;
  health["latest_calibration"] = dayDate(record.latestCalibration);
  health["usage_s"] = std::uint64_t{record.usageMinutes} * kSecondsPerMinute;
  health["discharging_time_s"] = std::uint64_t{record.dischargingMinutes} * kSecondsPerMinute;
  health["charging_time_s"] = std::uint64_t{record.chargingMinutes} * kSecondsPerMinute;
  return health;
}

}  // namespace

namespace {

int runHealth(const HealthArgs& parsed, std::ostream& out, std::ostream& err) {
  const BatterySource& source = parsed.source;
  platform::sim::VirtualRuntime runtime(localDayTime(std::chrono::system_clock::now()));
  engine::ServiceChoice choice;
  choice.batteries =
      source.simulate.empty() ? engine::Batteries::System : engine::Batteries::Simulated;
  choice.powerSupplyFolder = source.sysfs;
  choice.documents = parsed.data.empty() ? engine::Documents::User : engine::Documents::Given;
  choice.documentsFolder = parsed.data;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    err << "voltaroctl health: " << error << "\n";
    return kExitUsage;
  }
  if (!source.simulate.empty()) {
    const auto reading = scenario::readScenarioFile(source.simulate, services->machine().driver);
    if (!reading.ok()) {
      err << "voltaroctl health: " << source.simulate << ": " << reading.error->text() << "\n";
      return kExitUsage;
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
    if (parsed.json) {
      out << nlohmann::ordered_json(nullptr).dump() << "\n";
    } else {
      out << texts.get(Page::Caption, "Battery") << "\n";
    }
    return kExitFailed;
  }
  const int status = errors.count() == 0 ? kExitDone : kExitFailed;
  // The trend over the capacity journal, this start's line included.
  const journal::JournalRead days =
      journal::readJournal(journal::journalPath(engine.dataFolder(), engine.info().batteryKey));
  const journal::WearTrend trend = journal::fitWearTrend(days.entries);
  if (parsed.json) {
    nlohmann::ordered_json health = healthJson(engine);
    health["journal_days"] = days.entries.size();
    health["trend"] = trendJson(trend);
    out << health.dump() << "\n";
    return status;
  }
  out << "Battery (slot " << engine.slots().primarySlot << ")  "
      << texts.get(Page::Information, "Device Name") << "\n";
  out << "  Data folder  " << engine.dataFolder() << "\n";
  out << "  BatteryKey   " << engine.info().batteryKey << "\n";
  printPageSection("Calibration", kCalibration, texts, out, kCaptionWidth);
  printPageSection("Left column", kLeftColumn, texts, out, kCaptionWidth);
  out << "Capacity journal (" << days.entries.size() << " days)\n";
  printTrend(trend, dayNumber(runtime.now()), out, kCaptionWidth);
  return status;
}

}  // namespace

CommandAction defineHealthCommand(CLI::App& command) {
  auto args = std::make_shared<HealthArgs>();
  addBatterySource(command, args->source);
  command
      .add_option("--data", args->data,
                  "The Documents base of the data folder (default: the user's own)")
      ->type_name("DIR");
  addJsonFlag(command, args->json);
  return [args](std::ostream& out, std::ostream& err) { return runHealth(*args, out, err); };
}

}  // namespace voltaro::tools
