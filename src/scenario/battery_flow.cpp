#include "scenario/battery_flow.h"

#include <algorithm>

namespace voltaro::scenario {

namespace {
constexpr std::uint32_t kVoltage = 12000;  // mV
constexpr double kSecondsPerHour = 3600.0;
}  // namespace

void BatteryFlow::set(const FlowSetup& setup) {
  active_ = true;
  if (setup.discharge) dischargeMilliwatts_ = *setup.discharge;
  if (setup.charge) chargeMilliwatts_ = *setup.charge;
}

bool BatteryFlow::second(platform::sim::SimBatteryDriver& driver, bool computerRuns) {
  if (!active_) return false;
  auto& battery = driver.battery(1);
  auto& status = battery.status;
  const double full = battery.information.fullChargedCapacity;
  if (full <= 0) return false;  // nothing to fill or drain
  if (capacity_ < 0) capacity_ = status.capacity;
  const bool onPower = (status.powerState & platform::kPowerOnLine) != 0;
  if (onPower) {
    capacity_ = std::min(full, capacity_ + chargeMilliwatts_ / kSecondsPerHour);
    const bool filled = capacity_ >= full;
    status.powerState = platform::kPowerOnLine | (filled ? 0u : platform::kCharging);
    status.rate = filled ? 0 : static_cast<std::int32_t>(chargeMilliwatts_);
  } else if (computerRuns) {
    capacity_ = std::max(0.0, capacity_ - dischargeMilliwatts_ / kSecondsPerHour);
    status.powerState = platform::kDischarging;
    status.rate = -static_cast<std::int32_t>(dischargeMilliwatts_);
  }
  status.capacity = static_cast<std::uint32_t>(capacity_);
  status.voltage = kVoltage;
  return computerRuns && !onPower && capacity_ * 100.0 / full <= kSystemCriticalPercent;
}

}  // namespace voltaro::scenario
