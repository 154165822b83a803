// The system's own actions an engine may run on instead of the simulated
// machine's: power notifications, processor times, the shell, the display,
// the power actions, the power plans and what a calibration changes. A part
// left empty stays the simulated machine's (the calibration's: the engine's
// stand-in that changes nothing). They come from a library of their own
// (voltaro_engine_system_actions, on Linux over D-Bus), which only the
// front ends that act on the system link; the service set itself reads
// batteries and folders without it.
#pragma once

#include <functional>
#include <memory>

namespace voltaro::calibration {
class CalibrationPower;
}

namespace voltaro::platform {
class Display;
class Power;
class PowerEvents;
class PowerPlanTool;
class Runtime;
class Shell;
class SystemTimes;
}  // namespace voltaro::platform

namespace voltaro::engine {

struct SystemActions {
  virtual ~SystemActions();
  std::unique_ptr<platform::PowerEvents> powerEvents;
  std::unique_ptr<platform::SystemTimes> systemTimes;
  std::unique_ptr<platform::Shell> shell;
  std::unique_ptr<platform::Display> display;
  std::unique_ptr<platform::Power> power;
  std::unique_ptr<platform::PowerPlanTool> planTool;
  std::unique_ptr<calibration::CalibrationPower> calibrationPower;
};

// Builds the system's actions on `runtime`. `onAcPower` tells the display
// whether the computer runs on external power (to read the right
// brightness).
using SystemActionsMaker = std::function<std::unique_ptr<SystemActions>(
    platform::Runtime& runtime, std::function<bool()> onAcPower)>;

}  // namespace voltaro::engine
