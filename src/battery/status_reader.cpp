#include "battery/status_reader.h"

#include <algorithm>

#include "battery/battery_queries.h"
#include "battery/information_texts.h"
#include "common/rounding.h"
#include "common/text_format.h"

namespace voltaro::battery {

using view::Page;

namespace {

constexpr std::int32_t kRateBound = 100;              // mW; smaller rates give no estimate
constexpr std::int32_t kUnknownRateBound = 10000000;  // mW; beyond it the rate is unknown
constexpr std::uint32_t kBalloonMilliseconds = 10000;
constexpr std::uint8_t kDischargeLogMarker = 111;

}  // namespace

std::string StatusReader::grouped(const std::string& decimal) const {
  return groupdigits(decimal, c_.settings.DigitGrouping);
}

void StatusReader::closeStatusHandle() {
  if (c_.slots.statusHandle == platform::kInvalidHandle) return;
  c_.driver.close(c_.slots.statusHandle);
  c_.slots.statusHandle = platform::kInvalidHandle;
}

bool StatusReader::startCycle(const std::string& path) {
  // A handle left open by a cancelled cycle is closed before a new one opens.
  closeStatusHandle();
  const auto handle = c_.driver.open(path, platform::OpenFlags::Overlapped);
  if (handle == platform::kInvalidHandle) return false;
  c_.slots.statusHandle = handle;
  c_.slots.slot(c_.slots.currentSlot).tag = BatteryQueries(c_.driver).queryTag(handle);
  return true;
}

void StatusReader::readstatus() {
  SlotTable& table = c_.slots;
  BatteryDevice& slot = table.slot(table.currentSlot);
  slot.interfacePresent = false;
  slot.batteryPresent = false;
  slot.devicePath.clear();
  if (!table.deviceSetValid || table.batteryCount == 0) return;
  auto path = BatteryQueries(c_.driver).resolveSlot(table.currentSlot);
  if (!path) return;
  slot.interfacePresent = true;
  slot.devicePath = *path;

  bool openedNow = false;
  if (c_.requests.atCycleStart()) {
    if (!startCycle(*path)) return;
    openedNow = true;
  }
  if (slot.tag == 0) {
    if (openedNow) closeStatusHandle();
  } else {
    slot.batteryPresent = true;
    cycle_.stepStatus(table.statusHandle, slot.tag);
    c_.live.reading = cycle_.statusReading();
    if (c_.requests.status.done) processReading(c_.live.reading);
    cycle_.stepEstimate(table.statusHandle, slot.tag);
    if (c_.requests.estimate.done) {
      c_.live.estimatedTime = cycle_.estimateResult();
      if (c_.live.estimatedTime == platform::kUnknownTime) c_.live.estimatedTime = 0;
    }
    if (c_.requests.status.done && c_.requests.estimate.done) showRemaining();
  }
  if (c_.requests.bothFinished()) closeStatusHandle();
}

void StatusReader::processReading(const platform::BatteryStatusRecord& reading) {
  showFigures(reading);
  setPowerSource(reading.powerState);
  // The learned charge speed is in mWh per day: a reading without a charge,
  // or one in relative units, must not teach it anything.
  if (reading.capacity != platform::kUnknownCapacity && !relativeUnits()) {
    estimator_.update(reading.capacity, c_.info.information.fullChargedCapacity);
  }
  if (c_.hooks.calibrationRunning()) calibrationSteps();
  notices();
}

bool StatusReader::relativeUnits() const {
  return (c_.info.information.capabilities & platform::kCapCapacityRelative) != 0;
}

std::size_t StatusReader::currentIndex() const {
  return static_cast<std::size_t>(c_.slots.currentSlot - 1);
}

void StatusReader::showFigures(const platform::BatteryStatusRecord& reading) {
  LiveStatus& live = c_.live;
  const std::int32_t rate = reading.rate;
  live.lastRate = rate;
  // The driver's unknown-rate value lies far beyond any real rate.
  const bool rateUnknown = rate > kUnknownRateBound || rate < -kUnknownRateBound;
  c_.texts.set(
      Page::Information, "Charge Rate",
      rateUnknown || relativeUnits() ? std::string("None") : grouped(std::to_string(rate)));
  c_.texts.set(Page::Information, "Battery Voltage",
               reading.voltage == platform::kUnknownVoltage
                   ? std::string("None")
                   : grouped(std::to_string(reading.voltage)));
  if (reading.capacity == platform::kUnknownCapacity) {
    // No charge in this reading: the last good figures stay.
    if (!live.chargePercent[currentIndex()]) {
      c_.texts.set(Page::Information, "Current Capacity", "None");
    }
    return;
  }
  showCharge(reading.capacity, rate);
}

void StatusReader::showCharge(std::uint32_t capacity, std::int32_t rate) {
  LiveStatus& live = c_.live;
  const std::uint32_t full = c_.info.information.fullChargedCapacity;
  live.lastCapacity = capacity;
  live.dischargeEstimate = 0;
  if (rate < -kRateBound) live.dischargeEstimate = roundedMagnitude(capacity * 3600.0 / rate);
  live.chargeEstimate = 0;
  if (rate > kRateBound && full > capacity) {
    live.chargeEstimate = roundedMagnitude((full - capacity) * 3600.0 / rate);
  }
  // Without a full-charged capacity the charge has no percentage.
  std::optional<float> percent;
  if (full != 0) percent = std::min(static_cast<float>(capacity * 100.0 / full), 100.0f);
  live.chargePercent[currentIndex()] = percent;
  c_.texts.set(Page::Information, "Current Capacity",
               relativeUnits() ? std::string("None") : grouped(std::to_string(capacity)));
}

void StatusReader::setPowerSource(std::uint32_t powerState) {
  LiveStatus& live = c_.live;
  live.onPower = (powerState & (platform::kPowerOnLine | platform::kCharging)) != 0;
  const auto percent = live.chargePercent[currentIndex()];
  live.charging = (powerState & platform::kCharging) != 0 && (!percent || *percent < 100.0f);
  c_.texts.set(Page::LeftColumn, "Mode", modeText(powerState, live.charging));
}

void StatusReader::calibrationSteps() {
  const auto known = c_.live.chargePercent[currentIndex()];
  if (!known) return;
  const std::int64_t percent = roundHalfEven(*known);
  if (!c_.live.onPower && percent <= 7) c_.hooks.calibrationBatteryDischarged();
  if (percent == 100 && c_.hooks.calibrationCompletionMarkerExists()) {
    c_.hooks.recordCompletedCalibration();
    c_.hooks.endCalibrationCompleted();
  }
}

void StatusReader::notices() {
  LiveStatus& live = c_.live;
  const settings::AppSettings& s = c_.settings;
  const std::size_t index = currentIndex();
  const auto known = live.chargePercent[index];
  auto notify = [&](const char* text, platform::Clip clip) {
    if (s.BalloonHints != 0) {
      c_.tray.showBalloon("Message", text, view::BalloonIcon::Info, kBalloonMilliseconds);
    }
    if (s.PlayVoices != 0) c_.audio.play(clip);
  };
  const bool full = known && roundHalfEven(*known) == 100;
  if (live.onPower && roundHalfEven(live.previousPercent[index]) < 100 && full) {
    c_.hooks.clearAdviceShown();
    notify("Battery is fully charged", platform::Clip::FullyCharged);
  }
  if (live.previousOnPower && !live.onPower) {
    notify("Battery is discharging", platform::Clip::Discharging);
    c_.hooks.setDischargeLogMarker(kDischargeLogMarker);
  }
  // With the charge unknown the charging flag alone tells.
  if (!live.previousOnPower && live.onPower && (known ? !full : live.charging)) {
    notify("Battery is charging", platform::Clip::Charging);
  }
  for (std::size_t i = 0; i < live.chargePercent.size(); ++i) {
    if (live.chargePercent[i]) live.previousPercent[i] = *live.chargePercent[i];
  }
  live.previousOnPower = live.onPower;
}

void StatusReader::showRemaining() {
  LiveStatus& live = c_.live;
  std::optional<std::uint32_t> remaining;
  if (live.onPower) {
    // The driver's estimate is not used on external power.
    if (live.charging && live.chargeEstimate != 0) remaining = live.chargeEstimate;
  } else if (live.estimatedTime != 0) {
    remaining = live.estimatedTime;
  } else if (live.dischargeEstimate != 0) {
    remaining = live.dischargeEstimate;
  }
  live.remainingSeconds[currentIndex()] = remaining;
  c_.texts.set(Page::LeftColumn, "Time",
               remaining ? c_.hooks.hm(*remaining / 60) : std::string("None"));
}

}  // namespace voltaro::battery
