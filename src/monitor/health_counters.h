// The health counters that the tick advances at its sub-rates: minutes on
// battery, the running charge, the discharge run of the primary battery and
// the full-discharge hundredths counted from a reference charge.
#pragma once

#include <cstdint>
#include <optional>

#include "monitor/tick_counters.h"

namespace voltaro::monitor {

class MonitorHooks;

// The latest reading, as the tick sees it.
struct CounterReading {
  bool onPower = true;
  bool charging = false;
  std::optional<int> percent =
      std::nullopt;      // round(charge percent) of the current slot; nullopt unknown
  bool primary = false;  // the current slot is the primary slot
};

class HealthCounters {
 public:
  explicit HealthCounters(MonitorHooks& hooks) : hooks_(hooks) {}

  void advance(const TickCounters& counters, const CounterReading& reading);

  std::uint16_t chargeMinutes() const { return chargeMinutes_; }
  std::uint32_t dischargeRunMinutes() const { return dischargeRunMinutes_; }
  std::uint8_t referenceCharge() const { return referenceCharge_; }

 private:
  void countMinutes(const TickCounters& counters, const CounterReading& reading);
  void countDischargeRun(const TickCounters& counters, const CounterReading& reading);
  void countHundredths(const CounterReading& reading);

  MonitorHooks& hooks_;
  std::uint16_t chargeMinutes_ = 0;        // run time of the current charge
  std::uint32_t dischargeRunMinutes_ = 0;  // run time of the current discharge
  std::uint8_t referenceCharge_ = 100;     // whole percent
};

}  // namespace voltaro::monitor
