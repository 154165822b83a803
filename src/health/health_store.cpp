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

constexpr std::string_view kNoneText = "None";

ValueKind kindOf(std::string_view suffix) {
  if (suffix == kMaximumCapacitySuffix) return ValueKind::Maximum;
  if (suffix == kLatestCalibrationSuffix || suffix == kDischargingMinutesSuffix ||
      suffix == kChargingMinutesSuffix) {
    return ValueKind::Latest;
  }
  return ValueKind::Count;
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
  const FileRead read = files_.readval(path);
  if (read.missing()) {
    unread_.dropped(path);
    return ReadOutcome::Missing;
  }
  const bool damaged = read.read() && read.bytes.size() < kValueFileBytes;
  if (read.unreadable() || damaged) {
    // The value in memory stays and goes on counting; the file stays as it is.
    unread_.failed(path, value);
    const std::string cause = damaged ? "it holds " + std::to_string(read.bytes.size()) +
                                            " bytes instead of " + std::to_string(kValueFileBytes)
                                      : read.cause;
    errors_.reportFileFault(path,
                            "Input/output error: cannot read the battery data file \"" + path +
                                "\": " + cause +
                                ". Voltaro counts on in memory and leaves the file as it is "
                                "until it can be read.",
                            view::FileAccess::Read);
    return damaged ? ReadOutcome::Damaged : ReadOutcome::Failed;
  }
  const std::uint32_t stored = *decodeValueFile(read.bytes);
  value = unread_.contains(path) ? unread_.recovered(path, kindOf(suffix), value, stored) : stored;
  unread_.settled(path);
  errors_.fileRecovered(path, view::FileAccess::Read);
  return ReadOutcome::Read;
}

void HealthStore::store(std::string_view suffix, std::uint32_t& value, bool replacing) {
  if (info_.batteryKey.empty()) return;
  const std::string path = valuePath(suffix);
  if (unread_.contains(path)) {
    if (replacing) unread_.replaced(path);
    // Written only once the file reads again; load() then merges the counts.
    // A file too short to hold a value may take one that replaces it.
    const ReadOutcome outcome = load(suffix, value);
    if (outcome == ReadOutcome::Failed) return;
    if (outcome == ReadOutcome::Damaged && !replacing) return;
  }
  const FileWrite written = files_.sve(path, value);
  if (!written) {
    errors_.reportFileFault(path, "Input/output error: cannot write the battery data file \"" +
                                      path + "\": " + written.cause + ".");
    return;
  }
  unread_.dropped(path);
  unread_.settled(path);
  errors_.fileRecovered(path);
}

std::string HealthStore::shown(std::string_view suffix, std::string text) const {
  return unread_.unknown(valuePath(suffix)) ? std::string(kNoneText) : text;
}

void HealthStore::setText(Page page, std::string_view caption, std::string value) {
  texts_.set(page, caption, std::move(value));
}

bool HealthStore::loadhealth(bool full) {
  if (!primarySelected() || info_.batteryKey.empty()) return false;
  raiseMaximumCapacity();
  refreshWearFigures();
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
  // A file that cannot be read leaves the value held before.
  if (load(kMaximumCapacitySuffix, record_.maximumCapacity) == ReadOutcome::Missing) {
    record_.maximumCapacity = 0;
  }
  // Percentages are no capacity: the stored maximum keeps what a battery in
  // mWh gave it.
  if (relativeUnits()) return;
  const std::uint32_t full = info_.information.fullChargedCapacity;
  if (full > record_.maximumCapacity) {
    record_.maximumCapacity = full;
    store(kMaximumCapacitySuffix, record_.maximumCapacity);
  }
  const std::uint32_t designed = info_.information.designedCapacity;
  if (designed > record_.maximumCapacity) {
    record_.maximumCapacity = designed;
    store(kMaximumCapacitySuffix, record_.maximumCapacity);
  }
}

void HealthStore::loadLatestCalibration() {
  const ReadOutcome outcome = load(kLatestCalibrationSuffix, record_.latestCalibration);
  if (outcome == ReadOutcome::Read) return;
  if (outcome != ReadOutcome::Missing) {
    // Nothing known yet: today stands in, so no advice is raised on a day
    // number of 0, and the days read "None".
    if (unread_.unknown(valuePath(kLatestCalibrationSuffix))) record_.latestCalibration = today();
    return;
  }
  record_.latestCalibration = today();
  store(kLatestCalibrationSuffix, record_.latestCalibration, true);
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

void HealthStore::refreshWearFigures() {
  figures_ = relativeUnits()
                 ? WearFigures{}
                 : wearFigures(record_.maximumCapacity, info_.information.designedCapacity,
                               info_.information.fullChargedCapacity);
}

bool HealthStore::relativeUnits() const {
  return (info_.information.capabilities & platform::kCapCapacityRelative) != 0;
}

void HealthStore::updatewear() {
  refreshWearFigures();
  if (relativeUnits()) {
    showWear();
    return;
  }
  setText(Page::Calibrate, "Maximum Wear Level", percentText(figures_.maximumWear));
  setText(Page::Information, "Capacity Drop",
          groupdigits(decimal(figures_.capacityDrop), settings_.DigitGrouping));
}

void HealthStore::resetWearFigures() {
  figures_.maximumWear = 0.0;
  figures_.capacityDrop = 0;
}

void HealthStore::showWear() {
  if (relativeUnits()) {
    for (const auto& [page, caption] :
         {std::pair{Page::Calibrate, "Wear Level"},
          std::pair{Page::Calibrate, "Maximum Wear Level"},
          std::pair{Page::Information, "Capacity Drop"}, std::pair{Page::LeftColumn, "Wear"}}) {
      setText(page, caption, std::string(kNoneText));
    }
    return;
  }
  setText(Page::Calibrate, "Wear Level", percentText(figures_.wearLevel));
  setText(Page::Calibrate, "Maximum Wear Level", percentText(figures_.maximumWear));
  setText(Page::Information, "Capacity Drop",
          groupdigits(decimal(figures_.capacityDrop), settings_.DigitGrouping));
  setText(Page::LeftColumn, "Wear",
          withunit(std::to_string(roundHalfEven(figures_.wearLevel)), "%"));
}

void HealthStore::showMaximumCapacity() {
  // Even unread, the maximum held is one seen: it has been raised to the
  // battery's own capacities.
  if (relativeUnits()) {
    setText(Page::Calibrate, "Maximum Capacity", std::string(kNoneText));
    return;
  }
  setText(Page::Calibrate, "Maximum Capacity",
          groupdigits(decimal(record_.maximumCapacity), settings_.DigitGrouping));
}

void HealthStore::showDaysSinceCalibration() {
  const std::int64_t days =
      static_cast<std::int64_t>(today()) - static_cast<std::int64_t>(record_.latestCalibration);
  const std::string text = shown(kLatestCalibrationSuffix, std::to_string(days));
  setText(Page::Calibrate, "Latest Calibration", text);
  setText(Page::LeftColumn, "Days", text);
}

void HealthStore::showCalibrationValues() {
  showDaysSinceCalibration();
  setText(Page::Calibrate, "Battery Calibrations",
          shown(kCalibrationsSuffix, decimal(record_.calibrations)));
  showCyclesSinceCalibration();
}

void HealthStore::showCounters() {
  showFullDischargeCycles();
  showUsageTime();
  setText(Page::Calibrate, "Charging Time",
          shown(kChargingMinutesSuffix, decimal(record_.chargingMinutes)));
  setText(Page::Calibrate, "Discharging Time",
          shown(kDischargingMinutesSuffix, decimal(record_.dischargingMinutes)));
}

void HealthStore::showFullDischargeCycles() {
  setText(Page::Calibrate, "Full Discharge Cycles",
          shown(kFullDischargeCyclesSuffix, wholeCycles(record_.fullDischargeCycles)));
}

void HealthStore::showCyclesSinceCalibration() {
  setText(Page::Calibrate, "Cycles since Calibration",
          shown(kCyclesSinceCalibrationSuffix, wholeCycles(record_.cyclesSinceCalibration)));
}

void HealthStore::showUsageTime() {
  setText(Page::Calibrate, "Battery Usage Time",
          shown(kUsageMinutesSuffix, decimal(record_.usageMinutes / 60)));
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
  store(kChargingMinutesSuffix, record_.chargingMinutes, true);
  showChargingMinutes(minutes);
}

void HealthStore::setDischargingMinutes(std::uint32_t minutes) {
  record_.dischargingMinutes = minutes;
  store(kDischargingMinutesSuffix, record_.dischargingMinutes, true);
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
  store(kLatestCalibrationSuffix, record_.latestCalibration, true);
  store(kCalibrationsSuffix, record_.calibrations);
  store(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration, true);
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

  // The user chose these values: they replace what the files hold.
  store(kCalibrationsSuffix, record_.calibrations, true);
  store(kLatestCalibrationSuffix, record_.latestCalibration, true);
  store(kFullDischargeCyclesSuffix, record_.fullDischargeCycles, true);
  store(kCyclesSinceCalibrationSuffix, record_.cyclesSinceCalibration, true);
  store(kUsageMinutesSuffix, record_.usageMinutes, true);
  store(kMaximumCapacitySuffix, record_.maximumCapacity, true);

  copyCyclesIfUnreported();
  updatewear();
}

}  // namespace voltaro::health
