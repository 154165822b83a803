#include "monitor/assembly/monitor_assembly.h"

#include "monitor/time_texts.h"

namespace voltaro::monitor {

std::string AssemblyBatteryHooks::hm(std::uint32_t minutes) {
  return monitor::hm(minutes);
}

MonitorAssembly::MonitorAssembly(const AssemblyPorts& ports,
                                 const settings::AppSettings& initialSettings)
    : settings(initialSettings),
      batteryHooks(ports.hooks),
      battery(battery::BatteryContext{ports.driver, slots, requests, info, live, settings, texts,
                                      ports.tray, ports.audio, ports.runtime, batteryHooks}),
      monitor(MonitorContext{ports.runtime, ports.powerEvents, ports.systemTimes, ports.audio,
                             texts, ports.tray, ports.statusLine, battery, slots, requests, info,
                             live, settings, ports.hooks}) {
  batteryHooks.attach(monitor);
}

void MonitorAssembly::start() {
  battery.createDeviceSet();
  monitor.startCpuMeter();
  monitor.enableStart();
}

}  // namespace voltaro::monitor
