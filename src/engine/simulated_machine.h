// The simulated laptop an engine can run on: batteries that a scenario
// describes, power notifications fired on command, and a display, power
// services, power-plan tool, shell, sound and calibration settings that do
// nothing but record what they are asked, in order, for a test or a printer.
#pragma once

#include <functional>
#include <string>

#include "calibration/calibration_power.h"
#include "platform/sim/sim_audio.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system_times.h"

namespace voltaro::engine {

// The power settings a calibration changes, recorded.
class SimCalibrationPower final : public calibration::CalibrationPower,
                                  public platform::sim::SimRecorder {
 public:
  void setBatteryValues(const std::string& planId) override {
    record("setBatteryValues " + planId);
  }
  void disableStandbyOnBattery() override { record("disableStandbyOnBattery"); }
  void disableHibernation() override { record("disableHibernation"); }
};

struct SimulatedMachine {
  // A display of ten brightness steps at 70 % on both sources, three power
  // profiles with "balanced" active, a speaker at 50 %, two processors.
  SimulatedMachine();
  SimulatedMachine(const SimulatedMachine&) = delete;
  SimulatedMachine& operator=(const SimulatedMachine&) = delete;

  // Every request to the display, power, plan tool, shell, speaker volume
  // and calibration settings also goes to `observer`, in the words of its
  // recorder ("setBrightness 2 40 40", "hibernate force", ...).
  void observe(const std::function<void(const std::string&)>& observer);

  platform::sim::SimBatteryDriver driver;
  platform::sim::SimPowerEvents powerEvents;
  platform::sim::SimSystemTimes systemTimes{2};
  platform::sim::SimAudio audio;
  platform::sim::SimDisplay display;
  platform::sim::SimPower power;
  platform::sim::SimPowerPlanTool planTool;
  platform::sim::SimShell shell;
  SimCalibrationPower calibrationPower;
};

}  // namespace voltaro::engine
