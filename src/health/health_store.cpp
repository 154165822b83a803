#include "health/health_store.h"

#include <string>

#include "common/file_io.h"
#include "common/rounding.h"
#include "common/text_format.h"

namespace voltaro::health {

using view::Page;

namespace {

std::string decimal(std::uint32_t value) {
  return std::to_string(value);
}

// Hundredths of a cycle shown as whole cycles.
std::string wholeCycles(std::uint32_t hundredths) {
  return decimal(hundredths / 100);
}

std::string percentText(double percent) {
  return fixedText(percent, 2);
}

}  // namespace

HealthStore::HealthStore(const HealthContext& context)
    : record_(context.record),
      info_(context.info),
      slots_(context.slots),
      settings_(context.settings),
      dataFolder_(context.dataFolder),
      texts_(context.texts),
      errors_(context.errors),
      runtime_(context.runtime),
      files_(context.files),
      hooks_(context.hooks) {}

std::string HealthStore::valuePath(std::string_view suffix) const {
  std::string path = dataFolder_;
  path += info_.batteryKey;
  path += suffix;
  return path;
}

bool HealthStore::primarySelected() const {
  return slots_.currentSlot == slots_.primarySlot;
}

std::uint32_t HealthStore::today() const {
  const std::int32_t day = dayNumber(runtime_.now());
  return day < 0 ? 0 : static_cast<std::uint32_t>(day);
}

HealthStore::ReadOutcome HealthStore::load(std::string_view suffix, std::uint32_t& value) {
  const std::string path = valuePath(suffix);
  if (!files_.exists(path)) return ReadOutcome::Missing;
  const auto read = files_.readval(path);
  if (!read) {
    // The value in memory stays; the file is left for the user to inspect.
    errors_.report("Input/output error: cannot read the battery data file \"" + path + "\"");
    return ReadOutcome::Failed;
  }
  value = *read;
  return ReadOutcome::Read;
}

void HealthStore::store(std::string_view suffix, std::uint32_t value) {
  if (info_.batteryKey.empty()) return;
  const std::string path = valuePath(suffix);
  if (files_.sve(path, value)) return;
  errors_.report("Input/output error: cannot write the battery data file \"" + path + "\"");
}

void HealthStore::setText(Page page, std::string_view caption, std::string value) {
  texts_.set(page, caption, std::move(value));
}

bool HealthStore::loadhealth(bool full) {
  if (!primarySelected() || info_.batteryKey.empty()) return false;
  raiseMaximumCapacity();
  figures_ = wearFigures(record_.maximumCapacity, info_.information.designedCapacity,
                         info_.information.fullChargedCapacity);
  showWear();
  showMaximumCapacity();
  loadLatestCalibration();
  if (load(kCalibrationsSuffix, record_.calibrations) == ReadOutcome::Missing) {
    record_.calibrations = 0;
  }
  if (load(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration) == ReadOutcome::Missing) {
    record_.cyclesSinceCalibration = 0;
  }
  showCalibrationValues();
  if (!full) return true;
  loadCalibrationState();
  loadCounters();
  showCounters();
  return true;
}

// The stored maximum is raised first to the full-charged and then to the
// designed capacity, saving after each raise.
void HealthStore::raiseMaximumCapacity() {
  std::uint32_t maximum = 0;
  if (load(kMaximumCapacitySuffix, maximum) == ReadOutcome::Failed) {
    maximum = record_.maximumCapacity;
  }
  record_.maximumCapacity = maximum;
  const std::uint32_t full = info_.information.fullChargedCapacity;
  if (full > record_.maximumCapacity) {
    record_.maximumCapacity = full;
    store(kMaximumCapacitySuffix, full);
  }
  const std::uint32_t designed = info_.information.designedCapacity;
  if (designed > record_.maximumCapacity) {
    record_.maximumCapacity = designed;
    store(kMaximumCapacitySuffix, designed);
  }
}

void HealthStore::loadLatestCalibration() {
  if (load(kLatestCalibrationSuffix, record_.latestCalibration) != ReadOutcome::Missing) return;
  record_.latestCalibration = today();
  store(kLatestCalibrationSuffix, record_.latestCalibration);
}

void HealthStore::loadCounters() {
  struct Counter {
    std::string_view suffix;
    std::uint32_t& value;
  };
  const Counter counters[] = {{kFullDischargeCyclesSuffix, record_.fullDischargeCycles},
                              {kUsageMinutesSuffix, record_.usageMinutes},
                              {kDischargingMinutesSuffix, record_.dischargingMinutes},
                              {kChargingMinutesSuffix, record_.chargingMinutes}};
  for (const Counter& counter : counters) {
    if (load(counter.suffix, counter.value) == ReadOutcome::Missing) counter.value = 0;
  }
}

void HealthStore::loadCalibrationState() {
  const bool calibrating = fileExists(dataFolder_ + std::string(kCalibrationMarkerFile));
  hooks_.setCalibrating(calibrating);
  setText(Page::Calibrate, "Calibration", calibrating ? "On" : "Off");
}

void HealthStore::updatewear() {
  figures_ = wearFigures(record_.maximumCapacity, info_.information.designedCapacity,
                         info_.information.fullChargedCapacity);
  setText(Page::Calibrate, "Maximum Wear Level", percentText(figures_.maximumWear));
  setText(Page::Information, "Capacity Drop",
          groupdigits(decimal(figures_.capacityDrop), settings_.DigitGrouping));
}

void HealthStore::resetWearFigures() {
  figures_.maximumWear = 0.0;
  figures_.capacityDrop = 0;
}

void HealthStore::showWear() {
  setText(Page::Calibrate, "Wear Level", percentText(figures_.wearLevel));
  setText(Page::Calibrate, "Maximum Wear Level", percentText(figures_.maximumWear));
  setText(Page::Information, "Capacity Drop",
          groupdigits(decimal(figures_.capacityDrop), settings_.DigitGrouping));
  setText(Page::LeftColumn, "Wear",
          withunit(std::to_string(roundHalfEven(figures_.wearLevel)), "%"));
}

void HealthStore::showMaximumCapacity() {
  setText(Page::Calibrate, "Maximum Capacity",
          groupdigits(decimal(record_.maximumCapacity), settings_.DigitGrouping));
}

void HealthStore::showDaysSinceCalibration() {
  const std::int64_t days =
      static_cast<std::int64_t>(today()) - static_cast<std::int64_t>(record_.latestCalibration);
  setText(Page::Calibrate, "Latest Calibration", std::to_string(days));
  setText(Page::LeftColumn, "Days", std::to_string(days));
}

void HealthStore::showCalibrationValues() {
  showDaysSinceCalibration();
  setText(Page::Calibrate, "Battery Calibrations", decimal(record_.calibrations));
  showCyclesSinceCalibration();
}

void HealthStore::showCounters() {
  showFullDischargeCycles();
  showUsageTime();
  setText(Page::Calibrate, "Charging Time", decimal(record_.chargingMinutes));
  setText(Page::Calibrate, "Discharging Time", decimal(record_.dischargingMinutes));
}

void HealthStore::showFullDischargeCycles() {
  setText(Page::Calibrate, "Full Discharge Cycles", wholeCycles(record_.fullDischargeCycles));
}

void HealthStore::showCyclesSinceCalibration() {
  setText(Page::Calibrate, "Cycles since Calibration", wholeCycles(record_.cyclesSinceCalibration));
}

void HealthStore::showUsageTime() {
  setText(Page::Calibrate, "Battery Usage Time", decimal(record_.usageMinutes / 60));
}

void HealthStore::copyCyclesIfUnreported() {
  if (info_.information.cycleCount != 0) return;
  setText(Page::LeftColumn, "Cycles", texts_.get(Page::Calibrate, "Full Discharge Cycles"));
}

void HealthStore::addUsageMinute() {
  ++record_.usageMinutes;
  store(kUsageMinutesSuffix, record_.usageMinutes);
  showUsageTime();
}

void HealthStore::showChargingMinutes(std::uint32_t minutes) {
  setText(Page::Calibrate, "Charging Time", decimal(minutes));
}

void HealthStore::setChargingMinutes(std::uint32_t minutes) {
  record_.chargingMinutes = minutes;
  store(kChargingMinutesSuffix, minutes);
  showChargingMinutes(minutes);
}

void HealthStore::setDischargingMinutes(std::uint32_t minutes) {
  record_.dischargingMinutes = minutes;
  store(kDischargingMinutesSuffix, minutes);
  setText(Page::Calibrate, "Discharging Time", decimal(minutes));
}

void HealthStore::addFullDischargeHundredth() {
  ++record_.fullDischargeCycles;
  store(kFullDischargeCyclesSuffix, record_.fullDischargeCycles);
  showFullDischargeCycles();
  copyCyclesIfUnreported();
  ++record_.cyclesSinceCalibration;
  store(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration);
  showCyclesSinceCalibration();
}

void HealthStore::recordCalibration() {
  record_.latestCalibration = today();
  ++record_.calibrations;
  record_.cyclesSinceCalibration = 0;
  store(kLatestCalibrationSuffix, record_.latestCalibration);
  store(kCalibrationsSuffix, record_.calibrations);
  store(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration);
  showCalibrationValues();
}

void HealthStore::adopt(const HealthExport& values) {
  record_.calibrations = values.calibrations;
  record_.latestCalibration = values.latestCalibration;
  record_.fullDischargeCycles = values.fullDischargeCycles;
  record_.cyclesSinceCalibration = values.cyclesSinceCalibration;
  record_.usageMinutes = values.usageMinutes;
  record_.maximumCapacity = values.maximumCapacity;

  setText(Page::Calibrate, "Battery Calibrations", decimal(record_.calibrations));
  showDaysSinceCalibration();
  showFullDischargeCycles();
  showCyclesSinceCalibration();
  showUsageTime();
  showMaximumCapacity();

  store(kCalibrationsSuffix, record_.calibrations);
  store(kLatestCalibrationSuffix, record_.latestCalibration);
  store(kFullDischargeCyclesSuffix, record_.fullDischargeCycles);
  store(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration);
  store(kUsageMinutesSuffix, record_.usageMinutes);
  store(kMaximumCapacitySuffix, record_.maximumCapacity);

  copyCyclesIfUnreported();
  updatewear();
}

}  // namespace voltaro::health
