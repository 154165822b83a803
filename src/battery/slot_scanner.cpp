#include "battery/slot_scanner.h"

#include <string>

#include "battery/battery_queries.h"
#include "common/scramble.h"

namespace voltaro::battery {

void SlotScanner::scanslots() {
  SlotTable& table = c_.slots;
  table.slotCount = 0;
  table.batteryCount = 0;
  for (auto& slot : table.slots) slot = BatteryDevice{};

  BatteryQueries queries(c_.driver);
  for (int number = 1; number <= kSlotCount && table.deviceSetValid; ++number) {
    auto path = queries.resolveSlot(number);
    if (!path) continue;
    BatteryDevice& slot = table.slot(number);
    slot.interfacePresent = true;
    slot.devicePath = *path;
    const platform::DeviceHandle handle = c_.driver.open(*path, platform::OpenFlags::Normal);
    if (handle == platform::kInvalidHandle) continue;
    slot.tag = queries.queryTag(handle);
    slot.batteryPresent = slot.tag != 0;
    c_.driver.close(handle);
  }
  for (const auto& slot : table.slots) {
    if (slot.interfacePresent) ++table.slotCount;
    if (slot.batteryPresent) ++table.batteryCount;
  }
  slotbatafis();
}

void SlotScanner::rescanDevices() {
  SlotTable& table = c_.slots;
  const std::string currentPath = table.slot(table.currentSlot).devicePath;
  const std::string primaryPath = table.slot(table.primarySlot).devicePath;
  if (table.deviceSetValid) c_.driver.destroyDeviceSet();
  table.deviceSetValid = c_.driver.createDeviceSet();
  scanslots();
  const auto follow = [&table](int& number, const std::string& path) {
    if (path.empty()) return;
    for (int n = 1; n <= kSlotCount; ++n) {
      if (table.slot(n).devicePath == path) number = n;
    }
  };
  follow(table.currentSlot, currentPath);
  follow(table.primarySlot, primaryPath);
}

void SlotScanner::pickslot() {
  SlotTable& table = c_.slots;
  int lowest = 1;
  for (int number = kSlotCount; number >= 1; --number) {
    if (table.slot(number).batteryPresent) lowest = number;
  }
  if (table.slotCount > 0 && table.batteryCount > 0 && !table.slot(1).batteryPresent) {
    table.currentSlot = lowest;
    table.primarySlot = lowest;
  }
}

void SlotScanner::slotbatafis() {
  const SlotTable& table = c_.slots;
  if (table.batteryCount == 0) {
    c_.texts.set(view::Page::Caption, "Battery", "No Battery!");
    c_.tray.setHint(productTitle() + "\r\n" + "No battery detected!");
  } else if (table.batteryCount == 1) {
    c_.texts.set(view::Page::Caption, "Battery", "Battery");
  } else {
    c_.texts.set(view::Page::Caption, "Battery", "Battery " + std::to_string(table.currentSlot));
  }
  c_.texts.set(view::Page::Information, "Slots / Batteries",
               std::to_string(table.slotCount) + " / " + std::to_string(table.batteryCount));
}

}  // namespace voltaro::battery
