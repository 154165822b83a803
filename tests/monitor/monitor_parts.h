// Battery access and the monitoring cycle alone, over given ports, with the
// shared state they work on: the monitor's tests reach the other subsystems
// only through the hooks handed in (the engine wires the real ones).
#pragma once

#include <cstdint>
#include <optional>

#include "battery/battery_access.h"
#include "battery/battery_hooks.h"
#include "battery/battery_state.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "monitor/time_texts.h"
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
  std::string hm(std::uint32_t minutes) override { return monitor::hm(minutes); }

  int chargeRateSaves = 0;
  int fullHealthLoads = 0;     // information reads with full = true
  int partialHealthLoads = 0;  // and with full = false

 private:
  MonitorHooks& hooks_;
  Monitor* monitor_ = nullptr;
};

class MonitorParts {
 public:
  explicit MonitorParts(const AssemblyPorts& ports, const settings::AppSettings& initial = {})
      : settings(initial),
        batteryHooks(ports.hooks),
        battery(battery::BatteryContext{ports.driver, slots, requests, info, live, settings, texts,
                                        ports.tray, ports.audio, ports.runtime, batteryHooks}),
        monitor(MonitorContext{ports.runtime, ports.powerEvents, ports.systemTimes, ports.audio,
                               texts, ports.tray, ports.statusLine, battery, slots, requests, info,
                               live, settings, ports.hooks}) {
    batteryHooks.attach(monitor);
  }

  // Start-up: the device set, the processor meter and, a moment later
  // (Timer2), the start of monitoring.
  void start() {
    battery.createDeviceSet();
    monitor.startCpuMeter();
    monitor.enableStart();
  }

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
