// A battery access subsystem wired to the simulated driver, a virtual clock
// and recording fakes, with the monitoring tick's end-of-cycle step.
#pragma once

#include "battery/battery_access.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_battery_hooks.h"
#include "fakes/fake_tray.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::battery {

struct BatteryRig {
  platform::sim::SimBatteryDriver driver;
  SlotTable slots;
  BatteryRequests requests;
  BatteryInfo info;
  LiveStatus live;
  settings::AppSettings settings;
  view::ShownTexts texts;
  fakes::FakeTray tray;
  fakes::FakeAudio audio;
  platform::sim::VirtualRuntime runtime;
  fakes::FakeBatteryHooks hooks;
  BatteryAccess access{
      {driver, slots, requests, info, live, settings, texts, tray, audio, runtime, hooks}};

  // The start of monitoring: device set, scan, choice of slot.
  void start() {
    access.createDeviceSet();
    access.scanslots();
    access.pickslot();
  }

  // One tick's status read, then the tick's end of cycle: a cycle with both
  // requests abandoned would run the recovery, any other finished cycle
  // starts again. Returns true when the cycle ended with both abandoned.
  bool tick() {
    runtime.advance(1000);
    access.readstatus();
    if (!access.bothRequestsFinished()) return false;
    const bool abandoned = access.bothRequestsAbandoned();
    access.restartRequests();
    return abandoned;
  }

  const std::string& text(view::Page page, const char* caption) const {
    return texts.get(page, caption);
  }
};

}  // namespace voltaro::battery
