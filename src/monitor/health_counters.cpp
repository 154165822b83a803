#include "monitor/health_counters.h"

#include "monitor/monitor_hooks.h"

namespace voltaro::monitor {

void HealthCounters::advance(const TickCounters& counters, const CounterReading& reading) {
  countMinutes(counters, reading);
  if (reading.primary) countDischargeRun(counters, reading);
  if (counters.five == 5 && reading.primary) countHundredths(reading);
}

void HealthCounters::countMinutes(const TickCounters& counters, const CounterReading& reading) {
  if (counters.sixty == 60 && !reading.onPower) hooks_.addUsageMinute();
  if (counters.sixty == 60 && reading.onPower && reading.charging) {
    ++chargeMinutes_;
    hooks_.showChargingMinutes(chargeMinutes_);
  }
  // A charge that ended (unplugged, or full) becomes the latest charge.
  if ((!reading.onPower || !reading.charging) && chargeMinutes_ > 0) {
    const std::uint16_t finished = chargeMinutes_;
    chargeMinutes_ = 0;
    hooks_.setChargingMinutes(finished);
  }
}

void HealthCounters::countDischargeRun(const TickCounters& counters,
                                       const CounterReading& reading) {
  if (counters.sixty == 60 && !reading.onPower) {
    ++dischargeRunMinutes_;
    hooks_.setDischargingMinutes(dischargeRunMinutes_);
  }
  if (reading.onPower) dischargeRunMinutes_ = 0;
}

void HealthCounters::countHundredths(const CounterReading& reading) {
  // A charge that was not read moves neither the reference nor the count.
  if (!reading.percent) return;
  const auto level = static_cast<std::uint8_t>(*reading.percent);
  if (reading.onPower) {
    referenceCharge_ = level;
    return;
  }
  // At most one hundredth per check, however far the level fell since.
  if (level < referenceCharge_) {
    referenceCharge_ = level;
    hooks_.addFullDischargeHundredth();
  }
}

}  // namespace voltaro::monitor
