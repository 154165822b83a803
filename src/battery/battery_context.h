// Everything the battery access code works on, handed over by reference.
// The main window (the composition root) owns every object here.
#pragma once

#include "battery/battery_hooks.h"
#include "battery/battery_state.h"
#include "platform/audio.h"
#include "platform/battery_driver.h"
#include "platform/runtime.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"
#include "view/tray_port.h"

namespace voltaro::battery {

struct BatteryContext {
  platform::BatteryDriver& driver;
  SlotTable& slots;
  BatteryRequests& requests;
  BatteryInfo& info;
  LiveStatus& live;
  settings::AppSettings& settings;
  view::ShownTexts& texts;
  view::TrayPort& tray;
  platform::Audio& audio;
  platform::Runtime& runtime;
  BatteryHooks& hooks;
};

}  // namespace voltaro::battery
