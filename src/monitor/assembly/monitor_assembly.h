// Battery access and the monitoring cycle put together over given ports,
// with the shared state they work on. The program's composition root wires
// the real subsystems in; voltaroctl, the benchmarks and the tests use this
// assembly, where the other subsystems are reached only through the hooks
// handed in (a MonitorHooks with its no-op defaults is a working choice).
#pragma once

#include <cstdint>
#include <optional>

#include "battery/battery_access.h"
#include "battery/battery_hooks.h"
#include "battery/battery_state.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"

namespace voltaro::monitor {

struct AssemblyPorts {
  platform::Runtime& runtime;
  platform::BatteryDriver& driver;
  platform::PowerEvents& powerEvents;
  platform::SystemTimes& systemTimes;
  platform::Audio& audio;
  view::TrayPort& tray;
  view::StatusLine& statusLine;
  MonitorHooks& hooks;
};

// The battery code's hooks, answered from the monitor and its hooks; the
// learned charge speed is "saved" and the health record "loaded" by counting.
class AssemblyBatteryHooks : public battery::BatteryHooks {
 public:
  explicit AssemblyBatteryHooks(MonitorHooks& hooks) : hooks_(hooks) {}
  void attach(Monitor& monitor) { monitor_ = &monitor; }

  bool loadhealth(bool full) override {
    ++(full ? fullHealthLoads : partialHealthLoads);
    return false;
  }
  bool calibrationRunning() override { return hooks_.calibrationRunning(); }
  void saveChargeRate() override { ++chargeRateSaves; }
  void clearAdviceShown() override {
    if (monitor_) monitor_->clearAdviceShown();
  }
  std::string hm(std::uint32_t minutes) override;

  int chargeRateSaves = 0;
  int fullHealthLoads = 0;     // information reads with full = true
  int partialHealthLoads = 0;  // and with full = false

 private:
  MonitorHooks& hooks_;
  Monitor* monitor_ = nullptr;
};

class MonitorAssembly {
 public:
  explicit MonitorAssembly(const AssemblyPorts& ports, const settings::AppSettings& settings = {});

  // Start-up: the device set, the processor meter and, a moment later
  // (Timer2), the start of monitoring.
  void start();

  settings::AppSettings settings;
  view::ShownTexts texts;
  battery::SlotTable slots;
  battery::BatteryRequests requests;
  battery::BatteryInfo info;
  battery::LiveStatus live;
  AssemblyBatteryHooks batteryHooks;
  battery::BatteryAccess battery;
  Monitor monitor;
};

}  // namespace voltaro::monitor
