#include "battery/information_reader.h"

#include "battery/battery_key.h"
#include "battery/battery_queries.h"
#include "battery/information_texts.h"
#include "common/rounding.h"
#include "common/text_format.h"

namespace voltaro::battery {

using platform::InfoLevel;
using view::Page;

std::string InformationReader::grouped(std::uint32_t value) const {
  return groupdigits(std::to_string(value), c_.settings.DigitGrouping);
}

void InformationReader::config0(bool full) {
  SlotTable& table = c_.slots;
  BatteryDevice& slot = table.slot(table.currentSlot);
  slot.interfacePresent = false;
  slot.batteryPresent = false;
  slot.devicePath.clear();
  if (!table.deviceSetValid) return;

  BatteryQueries queries(c_.driver);
  auto path = queries.resolveSlot(table.currentSlot);
  if (!path) return;
  slot.interfacePresent = true;
  slot.devicePath = *path;
  const platform::DeviceHandle handle = c_.driver.open(*path, platform::OpenFlags::Normal);
  if (handle == platform::kInvalidHandle) return;
  slot.tag = queries.queryTag(handle);
  if (slot.tag != 0) {
    slot.batteryPresent = true;
    const bool primary = table.currentSlot == table.primarySlot;
    readTexts(handle, slot.tag, primary);
    c_.info.information = queries.queryInformation(handle, slot.tag);
    c_.info.temperature = queries.queryValue(handle, slot.tag, InfoLevel::Temperature);
    showInformation(full, primary);
  }
  c_.driver.close(handle);
}

// Device name, manufacturer, serial number and manufacture date; for the
// primary battery they also make up the identity text of its key.
void InformationReader::readTexts(platform::DeviceHandle handle, std::uint32_t tag, bool primary) {
  BatteryQueries queries(c_.driver);
  BatteryInfo& info = c_.info;
  std::string identity;
  auto take = [&](const std::string& text, const char* caption) {
    c_.texts.set(Page::Information, caption, text);
    if (text != "None") identity += text;
  };
  info.deviceName = queries.queryText(handle, tag, InfoLevel::DeviceName);
  take(info.deviceName, "Device Name");
  info.manufacturer = queries.queryText(handle, tag, InfoLevel::ManufactureName);
  take(info.manufacturer, "Manufacturer");
  info.serialNumber = queries.queryText(handle, tag, InfoLevel::SerialNumber);
  take(info.serialNumber, "Serial Number");
  info.manufactureDate = queries.queryDate(handle, tag);
  take(manufactureDateText(info.manufactureDate), "Manufacture Date");
  if (!primary) return;
  info.identity = identity;
  info.batteryKey = makeBatteryKey(identity);
}

void InformationReader::showInformation(bool full, bool primary) {
  const platform::BatteryInformation& info = c_.info.information;
  c_.texts.set(Page::Information, "Chemistry", chemistryText(info.chemistry));
  c_.texts.set(Page::Information, "Capabilities", capabilitiesText(info.capabilities));
  c_.texts.set(Page::Information, "Technology", technologyText(info.technology));
  // A battery that reports only its percentage has no capacities in mWh.
  const bool relative = (info.capabilities & platform::kCapCapacityRelative) != 0;
  const auto capacityText = [&](std::uint32_t value) {
    return relative ? std::string("None") : grouped(value);
  };
  c_.texts.set(Page::Information, "Designed Capacity", capacityText(info.designedCapacity));
  c_.texts.set(Page::Information, "Full Charged Capacity", capacityText(info.fullChargedCapacity));
  // The health store writes the primary battery's wear figures; without it
  // they are worked out as for any other battery.
  const bool healthShown = primary && c_.hooks.loadhealth(full);
  if (!healthShown) showWearOfOtherSlot(relative);
  c_.texts.set(Page::Information, "Warning Alert", capacityText(info.defaultAlert2));
  c_.texts.set(Page::Information, "Low Level Alert", capacityText(info.defaultAlert1));
  c_.texts.set(Page::Information, "Critical Bias", capacityText(info.criticalBias));
  showCycles(healthShown);
  c_.texts.set(Page::Information, "Temperature", temperatureText(c_.info.temperature));
}

void InformationReader::showWearOfOtherSlot(bool relative) {
  if (relative) {
    c_.texts.set(Page::Information, "Capacity Drop", "None");
    c_.texts.set(Page::LeftColumn, "Wear", "None");
    return;
  }
  const std::uint32_t designed = c_.info.information.designedCapacity;
  const std::uint32_t full = c_.info.information.fullChargedCapacity;
  const std::uint32_t drop = designed >= full ? designed - full : 0;
  double wear = 0.0;
  if (designed != 0 && designed >= full) wear = static_cast<double>(drop) * 100.0 / designed;
  c_.texts.set(Page::Information, "Capacity Drop", grouped(drop));
  c_.texts.set(Page::LeftColumn, "Wear", withunit(std::to_string(roundHalfEven(wear)), "%"));
}

// The primary battery without a cycle count of its own shows the health
// store's full-discharge cycles.
void InformationReader::showCycles(bool primary) {
  const std::uint32_t cycles = c_.info.information.cycleCount;
  if (primary && cycles == 0) {
    c_.texts.set(Page::LeftColumn, "Cycles",
                 c_.texts.get(Page::Calibrate, "Full Discharge Cycles"));
    return;
  }
  c_.texts.set(Page::LeftColumn, "Cycles", std::to_string(cycles));
}

}  // namespace voltaro::battery
