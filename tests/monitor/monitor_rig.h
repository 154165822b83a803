// The monitor with battery access on the simulated driver and virtual time.
// Timer2 starts monitoring at 250 ms, so tick k runs at 250 + 1000 k ms.
#pragma once

#include <cstdint>

#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_monitor_hooks.h"
#include "fakes/fake_tray.h"
#include "monitor_parts.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::monitor {

struct MonitorRig {
  static constexpr std::uint64_t kStartMs = 250;

  MonitorRig() { driver.setBattery(1, 1001); }

  // Start-up and the Timer2 run that starts monitoring.
  void start() {
    sys.start();
    runtime.advance(kStartMs);
  }
  // Runs until just after tick `n` (counted from the start of monitoring).
  void runToTick(std::uint64_t n) {
    const std::uint64_t target = kStartMs + n * 1000;
    if (runtime.elapsedMilliseconds() < target) {
      runtime.advance(target - runtime.elapsedMilliseconds());
    }
  }
  // Runs `action` at an elapsed time in milliseconds.
  template <typename F>
  void at(std::uint64_t milliseconds, F action) {
    runtime.postAt(milliseconds, action);
  }
  std::string left(std::string_view caption) const {
    return sys.texts.get(view::Page::LeftColumn, caption);
  }

  platform::sim::VirtualRuntime runtime;
  platform::sim::SimBatteryDriver driver;
  platform::sim::SimPowerEvents power;
  platform::sim::SimSystemTimes times{2};
  fakes::FakeAudio audio;
  fakes::FakeTray tray;
  fakes::FakeStatusLine status;
  fakes::FakeMonitorHooks hooks;
  MonitorParts sys{AssemblyPorts{runtime, driver, power, times, audio, tray, status, hooks}};
  Monitor& monitor = sys.monitor;
};

}  // namespace voltaro::monitor
