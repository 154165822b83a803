// The battery access code run on any battery driver as the monitoring runs
// it: the device set, the slot scan and choice, then for every slot the full
// information read and a run of status reads, one per virtual second, each
// closing the request cycle as the tick does. The fuzz targets of the
// drivers' inputs (scenarios, sysfs) feed what they read through it.
#pragma once

#include <cmath>

#include "battery/battery_access.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_battery_hooks.h"
#include "fakes/fake_tray.h"
#include "fuzz_check.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::fuzz {

class BatteryReading {
 public:
  explicit BatteryReading(platform::BatteryDriver& driver)
      : access_({driver, slots_, requests_, info_, live_, settings_, texts_, tray_, audio_,
                 runtime_, hooks_}) {}

  // Reads every slot for `ticks` seconds. A known charge is a percentage.
  void run(int ticks) {
    access_.createDeviceSet();
    access_.scanslots();
    access_.pickslot();
    access_.slotbatafis();
    for (int slot = 1; slot <= battery::kSlotCount; ++slot) {
      access_.closeStatusHandle();
      slots_.currentSlot = slot;
      access_.config0(true);
      for (int tick = 0; tick < ticks; ++tick) {
        runtime_.advance(1000);
        access_.readstatus();
        if (access_.bothRequestsFinished()) access_.restartRequests();
        const auto percent = live_.knownPercent(slot);
        FUZZ_CHECK(!percent || (std::isfinite(*percent) && *percent >= 0 && *percent <= 100));
      }
    }
    access_.shutdown();
  }

  const view::ShownTexts& texts() const { return texts_; }

 private:
  battery::SlotTable slots_;
  battery::BatteryRequests requests_;
  battery::BatteryInfo info_;
  battery::LiveStatus live_;
  settings::AppSettings settings_;
  view::ShownTexts texts_;
  fakes::FakeTray tray_;
  fakes::FakeAudio audio_;
  platform::sim::VirtualRuntime runtime_;
  fakes::FakeBatteryHooks hooks_;
  battery::BatteryAccess access_;
};

}  // namespace voltaro::fuzz
