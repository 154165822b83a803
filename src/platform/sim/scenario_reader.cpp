// Reading scenario files: lines into statements, timed statements kept for
// their time, the others applied to the simulated driver at once.
#include "platform/sim/scenario_reader.h"

#include "platform/sim/battery_statements.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace voltaro::platform::sim {

std::string ScenarioError::text() const {
  if (line == 0) return message;
  return "line " + std::to_string(line) + ": " + message;
}

namespace scenario {

std::optional<std::uint32_t> parseUnsigned(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  if (text.empty()) return std::nullopt;
  std::uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parseSigned(std::string_view text) {
  std::int32_t value = 0;
  if (text.empty()) return std::nullopt;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> slotNumber(const ScenarioLine& line, int& slot) {
  if (line.words.empty()) return "'" + line.verb + "' needs a slot number 1 to 4";
  auto n = parseUnsigned(line.words[0]);
  if (!n || *n < 1 || *n > 4) return "slot number must be 1 to 4, not '" + line.words[0] + "'";
  slot = static_cast<int>(*n);
  return std::nullopt;
}

}  // namespace scenario

namespace {

// Splits a line into words; a double quote starts a quoted part that may hold
// blanks and ends at the next double quote.
bool splitWords(std::string_view text, std::vector<std::string>& words, std::string& error) {
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : text) {
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
      continue;
    }
    if (c == '#') break;
    if (c == ' ' || c == '\t' || c == '\r') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '"') {
      quoted = true;
    } else {
      word += c;
    }
  }
  if (quoted) {
    error = "a double quote is not closed";
    return false;
  }
  if (inWord) words.push_back(word);
  return true;
}

}  // namespace

std::optional<ScenarioLine> ScenarioReader::parseLine(std::string_view text, int number,
                                                      std::string& error) {
  error.clear();
  std::vector<std::string> words;
  if (!splitWords(text, words, error) || words.empty()) return std::nullopt;
  ScenarioLine line;
  line.number = number;
  line.verb = words[0];
  for (std::size_t i = 1; i < words.size(); ++i) {
    const auto eq = words[i].find('=');
    if (eq == std::string::npos) {
      line.words.push_back(words[i]);
      continue;
    }
    const std::string key = words[i].substr(0, eq);
    if (key.empty()) {
      error = "'" + words[i] + "' has no name before '='";
      return std::nullopt;
    }
    if (line.values.count(key) != 0) {
      error = "'" + key + "' is given twice";
      return std::nullopt;
    }
    line.values[key] = words[i].substr(eq + 1);
  }
  return line;
}

ScenarioReader::ScenarioReader() {
  for (const auto& [name, verb] : scenario::batteryVerbs()) verbs_[name] = verb;
}

void ScenarioReader::addVerb(const std::string& name, Verb verb) {
  verbs_[name] = std::move(verb);
  runnerStatements_.erase(name);
}

void ScenarioReader::addRunnerStatement(const std::string& name, Check check) {
  verbs_[name] = [check = std::move(check)](const ScenarioLine& line, SimBatteryDriver&) {
    return check(line);
  };
  runnerStatements_.insert(name);
}

std::optional<ScenarioError> ScenarioReader::apply(const ScenarioLine& line,
                                                   SimBatteryDriver& driver) const {
  auto it = verbs_.find(line.verb);
  if (it == verbs_.end())
    return ScenarioError{line.number, "unknown statement '" + line.verb + "'"};
  if (auto e = it->second(line, driver)) return ScenarioError{line.number, *e};
  return std::nullopt;
}

ScenarioResult ScenarioReader::read(std::string_view text, SimBatteryDriver& driver) const {
  ScenarioResult result;
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    ++number;
    std::string error;
    auto line = parseLine(text.substr(start, end - start), number, error);
    start = end + 1;
    if (!error.empty()) {
      result.error = ScenarioError{number, error};
      return result;
    }
    if (!line) continue;
    if (line->verb != "at") {
      if (auto e = apply(*line, driver)) {
        result.error = e;
        return result;
      }
      if (isRunnerStatement(line->verb)) result.statements.push_back(std::move(*line));
      continue;
    }
    // "at SECONDS STATEMENT": the statement is checked on a copy of the driver.
    std::optional<std::uint32_t> seconds;
    if (!line->words.empty()) seconds = scenario::parseUnsigned(line->words[0]);
    if (!seconds || line->words.size() < 2) {
      result.error = ScenarioError{number, "write 'at SECONDS STATEMENT'"};
      return result;
    }
    ScenarioLine action;
    action.number = number;
    action.verb = line->words[1];
    action.words.assign(line->words.begin() + 2, line->words.end());
    action.values = line->values;
    if (action.verb == "at") {
      result.error = ScenarioError{number, "'at' cannot hold another 'at'"};
      return result;
    }
    SimBatteryDriver scratch = driver;
    if (auto e = apply(action, scratch)) {
      result.error = e;
      return result;
    }
    result.events.push_back(TimedEvent{*seconds, std::move(action)});
  }
  std::stable_sort(
      result.events.begin(), result.events.end(),
      [](const TimedEvent& a, const TimedEvent& b) { return a.atSeconds < b.atSeconds; });
  return result;
}

ScenarioResult ScenarioReader::readFile(const std::string& path, SimBatteryDriver& driver) const {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    ScenarioResult result;
    result.error = ScenarioError{0, "cannot read the scenario file " + path};
    return result;
  }
  std::stringstream text;
  text << file.rdbuf();
  return read(text.str(), driver);
}

}  // namespace voltaro::platform::sim
