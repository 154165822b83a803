// The battery driver of the system the engine runs on: the power_supply
// class folder on Linux (the default one or another given), the battery
// class driver on Windows.
#pragma once

#include <memory>
#include <string>

#include "platform/battery_driver.h"

namespace voltaro::engine {

// nullptr with a message in `error` when this build reads no real battery,
// or when a power_supply folder is asked for where there is none.
std::unique_ptr<platform::BatteryDriver> makeSystemDriver(const std::string& powerSupplyRoot,
                                                          std::string& error);

}  // namespace voltaro::engine
