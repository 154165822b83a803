// Finds the supplies under a power_supply folder: the system batteries that
// become battery slots, and the adapters that tell whether AC power is on.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace voltaro::platform::linux_sysfs {

// Names of the supplies of type Battery in name order, leaving out device
// batteries (scope Device: mice, keyboards, headsets), which are no laptop
// battery.
std::vector<std::string> listSystemBatteries(const std::filesystem::path& root);

// True when an adapter delivers power: a supply of type Mains, of type USB
// with both usb_type and online, or without a type but with online, whose
// online reads 1 or 2.
bool onAcPower(const std::filesystem::path& root);

}  // namespace voltaro::platform::linux_sysfs
