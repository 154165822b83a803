// Scenario files for the simulated battery driver.
//
// A scenario is a text file of one statement per line; blanks separate words,
// '#' starts a comment, and a value with blanks is written in double quotes
// (name="Main Pack"). Numbers are decimal or 0x-hexadecimal. Slot numbers
// are 1 to 4. Statements:
//
//   deviceset ok|fail              the battery device set can (not) be created
//   sharing shared|exclusive       exclusive: a second open of a device fails
//   slot N none                    no battery interface in slot N
//   slot N interface               an interface without a battery
//   slot N interface battery [tag=T]   an interface with a battery (tag T,
//                                  default 1000 + N); options of every slot
//                                  statement: open=fail|ok, path=TEXT
//   info N key=value ...           what the battery reports:
//       designed= full= low= warning= bias=    mWh
//       cycles= capabilities= technology=      numbers
//       chemistry=LION                          up to four characters
//       temperature=3031                        tenths of a kelvin
//       name= manufacturer= serial=             texts
//       date=15-3-2012                          day-month-year
//       fail=information,temperature,name,manufacturer,serial,date
//                                  the listed queries fail
//   status N [state=S] [capacity=mWh|unknown] [voltage=mV|unknown]
//            [rate=mW|unknown] [estimate=seconds|unknown]
//                                  S is a number or flags joined by '+':
//                                  online, discharging, charging, critical
//   request status|estimate pending=K|never|atonce|fail
//                                  pending=K completes on the K-th poll
//   unplug | plug                  external power lost / back on every battery
//   remove N                       the battery leaves slot N
//   insert N [tag=T]               a battery (tag T, default 1000 + N) enters
//   at SECONDS STATEMENT           STATEMENT runs SECONDS after the start
//
// Untimed statements apply to the driver as they are read; timed ones are
// checked (applied to a copy of the driver) and handed back, for the runner
// of a simulation to apply at their time with apply(). The statements of the
// rest of the machine (scenario/scenario_script.h) are runner statements:
// only checked here, and handed back untimed or timed for the runner to carry
// out. A bad line gives an error naming its number.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_battery_driver.h"

namespace voltaro::platform::sim {

struct ScenarioLine {
  int number = 0;                             // 1-based line number in the file
  std::string verb;                           // first word
  std::vector<std::string> words;             // the words after the verb, without key=value
  std::map<std::string, std::string> values;  // key=value words

  bool has(const std::string& key) const { return values.count(key) != 0; }
};

struct TimedEvent {
  std::uint32_t atSeconds = 0;  // seconds after the start of the simulation
  ScenarioLine action;
};

struct ScenarioError {
  int line = 0;  // 0 when the file itself could not be read
  std::string message;
  // "line 3: unknown statement 'foo'"
  std::string text() const;
};

struct ScenarioResult {
  std::optional<ScenarioError> error;
  std::vector<ScenarioLine> statements;  // untimed runner statements, in file order
  std::vector<TimedEvent> events;        // in time order, file order within a time
  bool ok() const { return !error.has_value(); }
};

class ScenarioReader {
 public:
  // A verb applies its line to the driver; it returns an error message or
  // nullopt.
  using Verb = std::function<std::optional<std::string>(const ScenarioLine&, SimBatteryDriver&)>;

  // Checks a runner statement's words: an error message or nullopt.
  using Check = std::function<std::optional<std::string>(const ScenarioLine&)>;

  ScenarioReader();

  // Adds or replaces a verb.
  void addVerb(const std::string& name, Verb verb);
  // Adds a runner statement: checked, never applied to the driver.
  void addRunnerStatement(const std::string& name, Check check);
  bool isRunnerStatement(std::string_view verb) const {
    return runnerStatements_.find(verb) != runnerStatements_.end();
  }

  ScenarioResult read(std::string_view text, SimBatteryDriver& driver) const;
  ScenarioResult readFile(const std::string& path, SimBatteryDriver& driver) const;

  // Applies one statement (a timed event's action); a runner statement is
  // only checked. The error names its line.
  std::optional<ScenarioError> apply(const ScenarioLine& line, SimBatteryDriver& driver) const;

  // Splits one line into a statement; nullopt for blank and comment lines.
  static std::optional<ScenarioLine> parseLine(std::string_view text, int number,
                                               std::string& error);

 private:
  std::map<std::string, Verb, std::less<>> verbs_;
  std::set<std::string, std::less<>> runnerStatements_;
};

// Helpers for verbs, shared with the verbs added by other programs.
namespace scenario {
// Decimal or 0x-hexadecimal unsigned 32-bit number.
std::optional<std::uint32_t> parseUnsigned(std::string_view text);
std::optional<std::int32_t> parseSigned(std::string_view text);
// A slot number 1..4 from the first word; an error message otherwise.
std::optional<std::string> slotNumber(const ScenarioLine& line, int& slot);
}  // namespace scenario

}  // namespace voltaro::platform::sim
