#include "battery/status_reader.h"

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
  estimator_.update(reading.capacity, c_.info.information.fullChargedCapacity);
  if (c_.hooks.calibrationRunning()) calibrationSteps();
  notices();
}

void StatusReader::showFigures(const platform::BatteryStatusRecord& reading) {
  LiveStatus& live = c_.live;
  const std::uint32_t full = c_.info.information.fullChargedCapacity;
  const std::uint32_t capacity = reading.capacity;
  const std::int32_t rate = reading.rate;
  live.lastCapacity = capacity;
  live.lastRate = rate;
  live.dischargeEstimate = 0;
  if (rate < -kRateBound) live.dischargeEstimate = roundedMagnitude(capacity * 3600.0 / rate);
  live.chargeEstimate = 0;
  if (rate > kRateBound && full > capacity) {
    live.chargeEstimate = roundedMagnitude((full - capacity) * 3600.0 / rate);
  }
  float percent = 0.0f;
  if (full != 0) percent = static_cast<float>(capacity * 100.0 / full);
  if (percent > 100.0f) percent = 100.0f;
  live.chargePercent[static_cast<std::size_t>(c_.slots.currentSlot - 1)] = percent;

  c_.texts.set(Page::Information, "Current Capacity", grouped(std::to_string(capacity)));
  // The driver's unknown-rate value lies far beyond any real rate.
  const bool rateUnknown = rate > kUnknownRateBound || rate < -kUnknownRateBound;
  c_.texts.set(Page::Information, "Charge Rate",
               rateUnknown ? std::string("None") : grouped(std::to_string(rate)));
  c_.texts.set(Page::Information, "Battery Voltage", grouped(std::to_string(reading.voltage)));
}

void StatusReader::setPowerSource(std::uint32_t powerState) {
  LiveStatus& live = c_.live;
  live.onPower = (powerState & (platform::kPowerOnLine | platform::kCharging)) != 0;
  live.charging =
      (powerState & platform::kCharging) != 0 && live.percent(c_.slots.currentSlot) < 100.0f;
  c_.texts.set(Page::LeftColumn, "Mode", modeText(powerState, live.charging));
}

void StatusReader::calibrationSteps() {
  const std::int64_t percent = roundHalfEven(c_.live.percent(c_.slots.currentSlot));
  if (!c_.live.onPower && percent <= 7) c_.hooks.calibrationBatteryDischarged();
  if (percent == 100 && c_.hooks.calibrationCompletionMarkerExists()) {
    c_.hooks.recordCompletedCalibration();
    c_.hooks.endCalibrationCompleted();
  }
}

void StatusReader::notices() {
  LiveStatus& live = c_.live;
  const settings::AppSettings& s = c_.settings;
  const auto index = static_cast<std::size_t>(c_.slots.currentSlot - 1);
  const std::int64_t percent = roundHalfEven(live.chargePercent[index]);
  auto notify = [&](const char* text, platform::Clip clip) {
    if (s.BalloonHints != 0) {
      c_.tray.showBalloon("Message", text, view::BalloonIcon::Info, kBalloonMilliseconds);
    }
    if (s.PlayVoices != 0) c_.audio.play(clip);
  };
  if (live.onPower && roundHalfEven(live.previousPercent[index]) < 100 && percent == 100) {
    c_.hooks.clearAdviceShown();
    notify("Battery is fully charged", platform::Clip::FullyCharged);
  }
  if (live.previousOnPower && !live.onPower) {
    notify("Battery is discharging", platform::Clip::Discharging);
    c_.hooks.setDischargeLogMarker(kDischargeLogMarker);
  }
  if (!live.previousOnPower && live.onPower && percent < 100) {
    notify("Battery is charging", platform::Clip::Charging);
  }
  live.previousPercent = live.chargePercent;
  live.previousOnPower = live.onPower;
}

void StatusReader::showRemaining() {
  LiveStatus& live = c_.live;
  std::uint32_t remaining = 0;
  if (live.onPower) {
    // The driver's estimate is not used on external power.
    remaining = live.charging ? live.chargeEstimate : 0;
  } else {
    remaining = live.estimatedTime != 0 ? live.estimatedTime : live.dischargeEstimate;
  }
  live.remainingSeconds[static_cast<std::size_t>(c_.slots.currentSlot - 1)] = remaining;
  c_.texts.set(Page::LeftColumn, "Time",
               remaining != 0 ? c_.hooks.hm(remaining / 60) : std::string("None"));
}

}  // namespace voltaro::battery
