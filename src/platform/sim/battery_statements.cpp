// The statements that describe the simulated batteries: their slots,
// information, status, requests, power source and hot-plugging.
#include "platform/sim/battery_statements.h"

#include <algorithm>
#include <sstream>
#include <tuple>

namespace voltaro::platform::sim::scenario {

using Error = std::optional<std::string>;

namespace {

// Rejects keys a verb does not know, so a typo never passes silently.
Error onlyKeys(const ScenarioLine& line, std::initializer_list<std::string_view> keys) {
  for (const auto& [key, value] : line.values) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
      return "'" + line.verb + "' has no option '" + key + "'";
    }
  }
  return std::nullopt;
}

Error numberOption(const ScenarioLine& line, const std::string& key, std::uint32_t& out) {
  auto it = line.values.find(key);
  if (it == line.values.end()) return std::nullopt;
  auto n = parseUnsigned(it->second);
  if (!n) return key + " must be a number, not '" + it->second + "'";
  out = *n;
  return std::nullopt;
}

Error tagOption(const ScenarioLine& line, int slot, std::uint32_t& tag) {
  tag = 1000 + static_cast<std::uint32_t>(slot);
  if (auto e = numberOption(line, "tag", tag)) return e;
  if (tag == 0) return std::string("tag 0 means no battery; use a nonzero tag");
  return std::nullopt;
}

Error verbDeviceSet(const ScenarioLine& line, SimBatteryDriver& driver) {
  if (line.words.size() != 1 || (line.words[0] != "ok" && line.words[0] != "fail")) {
    return std::string("write 'deviceset ok' or 'deviceset fail'");
  }
  driver.setDeviceSetFails(line.words[0] == "fail");
  return onlyKeys(line, {});
}

Error verbSharing(const ScenarioLine& line, SimBatteryDriver& driver) {
  if (line.words.size() != 1 || (line.words[0] != "shared" && line.words[0] != "exclusive")) {
    return std::string("write 'sharing shared' or 'sharing exclusive'");
  }
  driver.setExclusiveOpen(line.words[0] == "exclusive");
  return onlyKeys(line, {});
}

Error verbSlot(const ScenarioLine& line, SimBatteryDriver& driver) {
  int n = 0;
  if (auto e = slotNumber(line, n)) return e;
  if (auto e = onlyKeys(line, {"tag", "open", "path"})) return e;
  const std::vector<std::string> kinds(line.words.begin() + 1, line.words.end());
  std::uint32_t tag = 0;
  if (kinds == std::vector<std::string>{"none"}) {
    driver.removeInterface(n);
  } else if (kinds == std::vector<std::string>{"interface"}) {
    driver.setEmptyInterface(n);
  } else if (kinds == std::vector<std::string>{"interface", "battery"}) {
    if (auto e = tagOption(line, n, tag)) return e;
    driver.setBattery(n, tag);
  } else {
    return std::string("write 'slot N none', 'slot N interface' or 'slot N interface battery'");
  }
  if (line.has("open")) {
    const std::string& open = line.values.at("open");
    if (open != "fail" && open != "ok") return std::string("open must be 'fail' or 'ok'");
    driver.slot(n).openFails = open == "fail";
  }
  if (line.has("path")) driver.slot(n).path = line.values.at("path");
  return std::nullopt;
}

Error dateOption(const std::string& text, SimBattery& battery) {
  std::uint32_t d = 0, m = 0, y = 0;
  const auto first = text.find('-');
  const auto second = first == std::string::npos ? first : text.find('-', first + 1);
  if (second == std::string::npos) return "date must be day-month-year, not '" + text + "'";
  auto pd = parseUnsigned(std::string_view(text).substr(0, first));
  auto pm = parseUnsigned(std::string_view(text).substr(first + 1, second - first - 1));
  auto py = parseUnsigned(std::string_view(text).substr(second + 1));
  if (!pd || !pm || !py || *pd > 255 || *pm > 255 || *py > 65535) {
    return "date must be day-month-year, not '" + text + "'";
  }
  d = *pd, m = *pm, y = *py;
  battery.manufactureDate = BatteryManufactureDate{
      static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(m), static_cast<std::uint16_t>(y)};
  return std::nullopt;
}

Error failOption(const std::string& list, SimBattery& battery) {
  std::stringstream items(list);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item == "information") {
      battery.informationFails = true;
    } else if (item == "temperature") {
      battery.temperature.reset();
    } else if (item == "name") {
      battery.deviceName.reset();
    } else if (item == "manufacturer") {
      battery.manufacturer.reset();
    } else if (item == "serial") {
      battery.serialNumber.reset();
    } else if (item == "date") {
      battery.manufactureDate.reset();
    } else {
      return "fail= knows information, temperature, name, manufacturer, serial and date, not '" +
             item + "'";
    }
  }
  return std::nullopt;
}

Error informationNumbers(const ScenarioLine& line, BatteryInformation& info) {
  std::uint32_t technology = info.technology;
  for (auto [key, field] :
       {std::pair{"designed", &info.designedCapacity}, std::pair{"full", &info.fullChargedCapacity},
        std::pair{"low", &info.defaultAlert1}, std::pair{"warning", &info.defaultAlert2},
        std::pair{"bias", &info.criticalBias}, std::pair{"cycles", &info.cycleCount},
        std::pair{"capabilities", &info.capabilities}, std::pair{"technology", &technology}}) {
    if (auto e = numberOption(line, key, *field)) return e;
  }
  if (technology > 255) return std::string("technology must be 0 to 255");
  info.technology = static_cast<std::uint8_t>(technology);
  return std::nullopt;
}

Error verbInfo(const ScenarioLine& line, SimBatteryDriver& driver) {
  int n = 0;
  if (auto e = slotNumber(line, n)) return e;
  if (line.words.size() > 1) return "unexpected word '" + line.words[1] + "'";
  if (auto e = onlyKeys(line, {"designed", "full", "low", "warning", "bias", "cycles",
                               "capabilities", "technology", "chemistry", "temperature", "name",
                               "manufacturer", "serial", "date", "fail"})) {
    return e;
  }
  SimBattery& battery = driver.battery(n);
  if (auto e = informationNumbers(line, battery.information)) return e;
  if (line.has("chemistry")) {
    const std::string& text = line.values.at("chemistry");
    if (text.size() > 4) return "chemistry has at most four characters, not '" + text + "'";
    battery.information.chemistry = {};
    std::copy(text.begin(), text.end(), battery.information.chemistry.begin());
  }
  if (line.has("temperature")) {
    std::uint32_t t = 0;
    if (auto e = numberOption(line, "temperature", t)) return e;
    battery.temperature = t;
  }
  if (line.has("name")) battery.deviceName = line.values.at("name");
  if (line.has("manufacturer")) battery.manufacturer = line.values.at("manufacturer");
  if (line.has("serial")) battery.serialNumber = line.values.at("serial");
  if (line.has("date")) {
    if (auto e = dateOption(line.values.at("date"), battery)) return e;
  }
  if (line.has("fail")) return failOption(line.values.at("fail"), battery);
  return std::nullopt;
}

Error powerStateOption(const std::string& text, std::uint32_t& state) {
  if (auto n = parseUnsigned(text)) {
    state = *n;
    return std::nullopt;
  }
  state = 0;
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, '+')) {
    if (item == "online") {
      state |= kPowerOnLine;
    } else if (item == "discharging") {
      state |= kDischarging;
    } else if (item == "charging") {
      state |= kCharging;
    } else if (item == "critical") {
      state |= kCritical;
    } else {
      return "state is a number or online, discharging, charging, critical joined by '+', not '" +
             text + "'";
    }
  }
  return std::nullopt;
}

Error verbStatus(const ScenarioLine& line, SimBatteryDriver& driver) {
  int n = 0;
  if (auto e = slotNumber(line, n)) return e;
  if (line.words.size() > 1) return "unexpected word '" + line.words[1] + "'";
  if (auto e = onlyKeys(line, {"state", "capacity", "voltage", "rate", "estimate"})) return e;
  SimBattery& battery = driver.battery(n);
  if (line.has("state")) {
    if (auto e = powerStateOption(line.values.at("state"), battery.status.powerState)) return e;
  }
  // The driver's own markers for readings it could not take.
  for (auto [key, field, unknown] :
       {std::tuple{"capacity", &battery.status.capacity, kUnknownCapacity},
        std::tuple{"voltage", &battery.status.voltage, kUnknownVoltage}}) {
    if (line.has(key) && line.values.at(key) == "unknown") {
      *field = unknown;
    } else if (auto e = numberOption(line, key, *field)) {
      return e;
    }
  }
  if (line.has("rate")) {
    const std::string& text = line.values.at("rate");
    auto rate = parseSigned(text);
    if (text == "unknown") rate = static_cast<std::int32_t>(kUnknownRate);
    if (!rate) return "rate must be a signed number or 'unknown', not '" + text + "'";
    battery.status.rate = *rate;
  }
  if (line.has("estimate")) {
    const std::string& text = line.values.at("estimate");
    auto seconds =
        text == "unknown" ? std::optional<std::uint32_t>(kUnknownTime) : parseUnsigned(text);
    if (!seconds) return "estimate must be seconds or 'unknown', not '" + text + "'";
    battery.estimatedTime = *seconds;
  }
  return std::nullopt;
}

Error verbRequest(const ScenarioLine& line, SimBatteryDriver& driver) {
  if (line.words.empty() || (line.words[0] != "status" && line.words[0] != "estimate")) {
    return std::string("write 'request status ...' or 'request estimate ...'");
  }
  const RequestId id = line.words[0] == "status" ? RequestId::Status : RequestId::Estimate;
  if (auto e = onlyKeys(line, {"pending"})) return e;
  SimRequestBehaviour behaviour;
  if (line.has("pending") && line.words.size() == 1) {
    auto polls = parseUnsigned(line.values.at("pending"));
    if (!polls || *polls < 1 || *polls > 1000) return std::string("pending must be 1 to 1000");
    behaviour = {SimRequestMode::Pending, static_cast<int>(*polls)};
  } else if (line.words.size() == 2 && line.values.empty()) {
    const std::string& mode = line.words[1];
    if (mode == "never") {
      behaviour.mode = SimRequestMode::Never;
    } else if (mode == "atonce") {
      behaviour.mode = SimRequestMode::AtOnce;
    } else if (mode == "fail") {
      behaviour.mode = SimRequestMode::Fail;
    } else {
      return "request behaviour is pending=K, never, atonce or fail, not '" + mode + "'";
    }
  } else {
    return std::string("request behaviour is pending=K, never, atonce or fail");
  }
  driver.setRequestBehaviour(id, behaviour);
  return std::nullopt;
}

Error verbPower(const ScenarioLine& line, SimBatteryDriver& driver) {
  if (!line.words.empty() || !line.values.empty()) return "'" + line.verb + "' takes no words";
  if (line.verb == "unplug") {
    driver.unplug();
  } else {
    driver.plug();
  }
  return std::nullopt;
}

Error verbRemove(const ScenarioLine& line, SimBatteryDriver& driver) {
  int n = 0;
  if (auto e = slotNumber(line, n)) return e;
  if (line.words.size() > 1) return "unexpected word '" + line.words[1] + "'";
  if (auto e = onlyKeys(line, {})) return e;
  driver.removeBattery(n);
  return std::nullopt;
}

Error verbInsert(const ScenarioLine& line, SimBatteryDriver& driver) {
  int n = 0;
  if (auto e = slotNumber(line, n)) return e;
  if (line.words.size() > 1) return "unexpected word '" + line.words[1] + "'";
  if (auto e = onlyKeys(line, {"tag"})) return e;
  std::uint32_t tag = 0;
  if (auto e = tagOption(line, n, tag)) return e;
  driver.insertBattery(n, tag);
  return std::nullopt;
}

}  // namespace

const std::vector<std::pair<std::string, ScenarioReader::Verb>>& batteryVerbs() {
  static const std::vector<std::pair<std::string, ScenarioReader::Verb>> verbs = {
      {"deviceset", verbDeviceSet}, {"sharing", verbSharing}, {"slot", verbSlot},
      {"info", verbInfo},           {"status", verbStatus},   {"request", verbRequest},
      {"unplug", verbPower},        {"plug", verbPower},      {"remove", verbRemove},
      {"insert", verbInsert}};
  return verbs;
}

}  // namespace voltaro::platform::sim::scenario
