// Battery 1 of the simulated driver as a store of energy, for scenarios
// that say "flow": it drains at the discharge power while the computer runs
// on battery and fills at the charge power on external power (also while
// the computer is off, when it uses nothing), one second at a time.
#pragma once

#include "platform/sim/sim_battery_driver.h"
#include "scenario/scenario_script.h"

namespace voltaro::scenario {

// The level at which the system shuts a computer down on battery.
inline constexpr double kSystemCriticalPercent = 5.0;

class BatteryFlow {
 public:
  void set(const FlowSetup& setup);
  bool active() const { return active_; }

  // One second of the flow; true when the computer, running on battery, has
  // reached the system's critical level.
  bool second(platform::sim::SimBatteryDriver& driver, bool computerRuns);

 private:
  bool active_ = false;
  double dischargeMilliwatts_ = 15000;
  double chargeMilliwatts_ = 20000;
  double capacity_ = -1;  // mWh; taken from the driver at the first second
};

}  // namespace voltaro::scenario
