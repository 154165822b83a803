#include "battery_json.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/engine.h"

namespace voltaro::tools {

namespace {

using json = nlohmann::ordered_json;

// The driver's "None" is unknown.
json text(const std::string& value) {
  return value.empty() || value == "None" ? json(nullptr) : json(value);
}

// Capacities of a battery that counts in percent are no mWh figures; the
// driver gives 0 for a capacity it does not know.
json capacity(std::uint32_t value, bool relative) {
  if (relative || value == 0 || value == platform::kUnknownCapacity) return nullptr;
  return value;
}

json roundedTo(double value, double step) {
  return std::round(value / step) * step;
}

json date(const platform::BatteryManufactureDate& date) {
  if (date.day == 0 || date.month == 0 || date.year == 0) return nullptr;
  char text[16];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{date.year}, unsigned{date.month},
                unsigned{date.day});
  return text;
}

json chemistry(const std::array<char, 4>& bytes) {
  std::string value;
  for (char c : bytes) {
    if (c > ' ' && c <= '~') value += c;
  }
  return value.empty() || value == "None" ? json(nullptr) : json(value);
}

// Tenths of a kelvin to degrees Celsius; 0 is unknown.
json celsius(std::uint32_t tenthsOfKelvin) {
  if (tenthsOfKelvin == 0) return nullptr;
  return roundedTo((static_cast<double>(tenthsOfKelvin) - 2731.5) / 10.0, 0.01);
}

const char* stateName(std::uint32_t powerState) {
  if ((powerState & platform::kCharging) != 0) return "charging";
  if ((powerState & platform::kDischarging) != 0) return "discharging";
  return "idle";  // on line, neither charging nor discharging: full or held
}

}  // namespace

json statusJson(const engine::Engine& engine) {
  const battery::LiveStatus& live = engine.live();
  const platform::BatteryStatusRecord& reading = live.reading;
  const int slot = engine.slots().currentSlot;
  const bool relative =
      (engine.info().information.capabilities & platform::kCapCapacityRelative) != 0;
  json status;
  status["slot"] = slot;
  const auto percent = live.knownPercent(slot);
  status["percent"] = percent ? roundedTo(*percent, 0.1) : json(nullptr);
  status["state"] = stateName(reading.powerState);
  status["on_ac"] = live.onPower;
  status["critical"] = (reading.powerState & platform::kCritical) != 0;
  status["capacity_mwh"] = relative || reading.capacity == platform::kUnknownCapacity
                               ? json(nullptr)
                               : json(reading.capacity);
  status["voltage_mv"] =
      reading.voltage == platform::kUnknownVoltage ? json(nullptr) : json(reading.voltage);
  status["rate_mw"] = relative || static_cast<std::uint32_t>(reading.rate) == platform::kUnknownRate
                          ? json(nullptr)
                          : json(reading.rate);
  const auto remaining = live.knownRemaining(slot);
  status["time_remaining_s"] = remaining ? json(*remaining) : json(nullptr);
  return status;
}

json absentJson(const engine::Engine& engine) {
  json status;
  for (const char* field : {"slot", "percent", "state"}) status[field] = nullptr;
  status["on_ac"] = engine.live().onPower;
  status["critical"] = false;
  for (const char* field : {"capacity_mwh", "voltage_mv", "rate_mw", "time_remaining_s"}) {
    status[field] = nullptr;
  }
  return status;
}

json batteryJson(const engine::Engine& engine, int slot) {
  const battery::BatteryInfo& info = engine.info();
  const platform::BatteryInformation& record = info.information;
  const bool relative = (record.capabilities & platform::kCapCapacityRelative) != 0;
  json battery = statusJson(engine);
  battery["slot"] = slot;
  battery["name"] = text(info.deviceName);
  battery["manufacturer"] = text(info.manufacturer);
  battery["serial"] = text(info.serialNumber);
  battery["manufacture_date"] = date(info.manufactureDate);
  battery["chemistry"] = chemistry(record.chemistry);
  battery["rechargeable"] = record.technology == 1;
  battery["designed_capacity_mwh"] = capacity(record.designedCapacity, relative);
  battery["full_capacity_mwh"] = capacity(record.fullChargedCapacity, relative);
  battery["warning_capacity_mwh"] = capacity(record.defaultAlert2, relative);
  battery["low_capacity_mwh"] = capacity(record.defaultAlert1, relative);
  battery["cycles"] = record.cycleCount == 0 ? json(nullptr) : json(record.cycleCount);
  battery["temperature_c"] = celsius(info.temperature);
  return battery;
}

}  // namespace voltaro::tools
