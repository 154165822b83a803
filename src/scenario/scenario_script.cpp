#include "scenario/scenario_script.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string_view>

#include "settings/app_settings.h"
#include "settings/settings_fields.h"

namespace voltaro::scenario {

namespace {

using platform::sim::scenario::parseUnsigned;
using Error = std::optional<std::string>;

constexpr std::array<std::string_view, 8> kBareStatements = {
    "suspend", "standby", "resume", "switch", "calibrate", "fastdischarge", "shutdown", "boot"};
constexpr std::string_view kLaunchProgramPath = "LaunchProgramPath";

Error noWords(const ScenarioLine& line) {
  if (!line.words.empty() || !line.values.empty()) return "'" + line.verb + "' takes no words";
  return std::nullopt;
}

Error checkSetting(const ScenarioLine& line) {
  if (!line.words.empty() || line.values.size() != 1)
    return std::string("write 'setting NAME=VALUE'");
  const auto& [name, value] = *line.values.begin();
  if (name == kLaunchProgramPath) return std::nullopt;
  const settings::SettingsField* field = settings::findSettingsField(name);
  if (field == nullptr) return "no setting named '" + name + "'";
  settings::AppSettings scratch;
  return settings::setFieldValue(scratch, *field, value);
}

Error checkAnswers(const ScenarioLine& line) {
  if (line.words.empty() || !line.values.empty())
    return std::string("write 'answers yes|no|ok ...'");
  for (const auto& word : line.words) {
    if (word != "yes" && word != "no" && word != "ok") {
      return "an answer is yes, no or ok, not '" + word + "'";
    }
  }
  return std::nullopt;
}

Error checkFlow(const ScenarioLine& line) {
  FlowSetup flow;
  return parseFlow(line, flow);
}

Error checkWear(const ScenarioLine& line) {
  double percent = 0;
  return parseWear(line, percent);
}

Error checkPanel(const ScenarioLine& line) {
  PanelSetup panel;
  return parsePanel(line, panel);
}

Error percentValue(const std::string& key, const std::string& text, std::uint8_t& out) {
  const auto value = parseUnsigned(text);
  if (!value || *value > 100) return key + " is a percent 0 to 100, not '" + text + "'";
  out = static_cast<std::uint8_t>(*value);
  return std::nullopt;
}

const platform::sim::ScenarioReader& reader() {
  static const platform::sim::ScenarioReader theReader = [] {
    platform::sim::ScenarioReader r;
    for (std::string_view name : kBareStatements) r.addRunnerStatement(std::string(name), noWords);
    r.addRunnerStatement("setting", checkSetting);
    r.addRunnerStatement("answers", checkAnswers);
    r.addRunnerStatement("flow", checkFlow);
    r.addRunnerStatement("wear", checkWear);
    r.addRunnerStatement("display", checkPanel);
    return r;
  }();
  return theReader;
}

// Seconds of the day of "HH:MM" or "HH:MM:SS", or nullopt.
std::optional<int> clockSeconds(std::string_view text) {
  std::vector<int> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t colon = text.find(':', from);
    const auto piece =
        text.substr(from, colon == std::string_view::npos ? text.npos : colon - from);
    if (piece.empty() || piece.size() > 2) return std::nullopt;
    int value = 0;
    for (char ch : piece) {
      if (ch < '0' || ch > '9') return std::nullopt;
      value = value * 10 + (ch - '0');
    }
    parts.push_back(value);
    if (colon == std::string_view::npos) break;
    from = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  if (parts[0] > 23 || parts[1] > 59 || (parts.size() == 3 && parts[2] > 59)) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + (parts.size() == 3 ? parts[2] : 0);
}

// The first two words of a line and where the second one ends.
struct Head {
  std::string first, second;
  std::size_t secondEnd = 0;
};

Head head(const std::string& line) {
  Head h;
  std::istringstream in(line);
  in >> h.first >> h.second;
  const std::size_t at = line.find(h.second, line.find(h.first) + h.first.size());
  h.secondEnd = h.second.empty() ? line.size() : at + h.second.size();
  return h;
}

}  // namespace

bool isRunnerStatement(const std::string& verb) {
  return reader().isRunnerStatement(verb);
}

std::optional<ScenarioError> applyBatteryStatement(const ScenarioLine& line,
                                                   platform::sim::SimBatteryDriver& driver) {
  return reader().apply(line, driver);
}

Error parsePanel(const ScenarioLine& line, PanelSetup& panel) {
  if (!line.words.empty() || line.values.empty()) {
    return std::string("write 'display levels=L,L,...|none ac=P dc=P composition=on|off'");
  }
  for (const auto& [key, value] : line.values) {
    if (key == "levels") {
      std::vector<std::uint8_t> levels;
      std::stringstream items(value == "none" ? std::string() : value);
      for (std::string item; std::getline(items, item, ',');) {
        std::uint8_t level = 0;
        if (auto e = percentValue("a level", item, level)) return e;
        levels.push_back(level);
      }
      if (levels.size() > 256) return std::string("a panel has at most 256 levels");
      panel.levels = levels;
    } else if (key == "ac" || key == "dc") {
      std::uint8_t level = 0;
      if (auto e = percentValue(key, value, level)) return e;
      (key == "ac" ? panel.ac : panel.dc) = level;
    } else if (key == "composition") {
      if (value != "on" && value != "off") return std::string("composition is on or off");
      panel.composition = value == "on";
    } else {
      return "'display' has no option '" + key + "'";
    }
  }
  return std::nullopt;
}

Error parseFlow(const ScenarioLine& line, FlowSetup& flow) {
  if (!line.words.empty() || line.values.empty()) {
    return std::string("write 'flow discharge=mW charge=mW'");
  }
  for (const auto& [key, value] : line.values) {
    const auto milliwatts = parseUnsigned(value);
    if (key != "discharge" && key != "charge") return "'flow' has no option '" + key + "'";
    if (!milliwatts) return key + " must be a number of mW, not '" + value + "'";
    (key == "discharge" ? flow.discharge : flow.charge) = *milliwatts;
  }
  return std::nullopt;
}

Error parseWear(const ScenarioLine& line, double& percentPerDay) {
  static constexpr std::string_view kUnit = "%/day";
  const Error usage = std::string("write 'wear P%/day', P a percent of the designed capacity");
  if (line.words.size() != 1 || !line.values.empty()) return usage;
  const std::string& word = line.words[0];
  if (word.size() <= kUnit.size() || !word.ends_with(kUnit)) return usage;
  const std::string number = word.substr(0, word.size() - kUnit.size());
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  if (end != number.c_str() + number.size() || !(value >= 0.0) || value > 100.0) return usage;
  percentPerDay = value;
  return std::nullopt;
}

std::optional<ScenarioError> resolveClockTimes(std::string& text, int& startSecondOfDay,
                                               std::set<int>* dailyLines) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  int start = 8 * 3600;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Head h = head(lines[i]);
    if (h.first != "start") continue;
    const auto seconds = clockSeconds(h.second);
    if (!seconds) return ScenarioError{static_cast<int>(i + 1), "write 'start HH:MM[:SS]'"};
    start = *seconds;
    lines[i] = "# " + lines[i];
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Head h = head(lines[i]);
    const int number = static_cast<int>(i + 1);
    if (h.first == "daily") {
      const auto seconds = clockSeconds(h.second);
      if (!seconds) return ScenarioError{number, "write 'daily HH:MM[:SS] STATEMENT'"};
      // The first time of day at or after the start.
      const int first = *seconds >= start ? *seconds - start : *seconds + 86400 - start;
      lines[i] = "at " + std::to_string(first) + lines[i].substr(h.secondEnd);
      if (dailyLines != nullptr) dailyLines->insert(number);
      continue;
    }
    if (h.first != "at" || h.second.find(':') == std::string::npos) continue;
    const auto seconds = clockSeconds(h.second);
    if (!seconds) return ScenarioError{number, "write 'at HH:MM[:SS] STATEMENT'"};
    if (*seconds < start) return ScenarioError{number, h.second + " is before the start"};
    lines[i] = "at " + std::to_string(*seconds - start) + lines[i].substr(h.secondEnd);
  }
  startSecondOfDay = start;
  text.clear();
  for (const auto& line : lines) text += line + "\n";
  return std::nullopt;
}

ScenarioReading readScenario(std::string text, platform::sim::SimBatteryDriver& driver) {
  ScenarioReading reading;
  if (auto error =
          resolveClockTimes(text, reading.script.startSecondOfDay, &reading.script.dailyLines)) {
    reading.error = error;
    return reading;
  }
  platform::sim::ScenarioResult result = reader().read(text, driver);
  reading.error = result.error;
  reading.script.statements = std::move(result.statements);
  reading.script.events = std::move(result.events);
  return reading;
}

ScenarioReading readScenarioFile(const std::string& path, platform::sim::SimBatteryDriver& driver) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    ScenarioReading reading;
    reading.error = ScenarioError{0, "cannot read the scenario file " + path};
    return reading;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return readScenario(text.str(), driver);
}

std::string describe(const ScenarioLine& line) {
  std::string text = line.verb;
  for (const auto& word : line.words) text += " " + word;
  for (const auto& [key, value] : line.values) text += " " + key + "=" + value;
  return text;
}

}  // namespace voltaro::scenario
