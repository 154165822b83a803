// The scenario language, read by every front end that runs the simulated
// battery: the program (VOLTARO_SIMULATE), every voltaroctl command and the
// tests. On top of the battery statements of platform/sim/scenario_reader.h:
//
//   start HH:MM[:SS]               the simulated clock at the start (08:00
//                                  without one); front ends on the real
//                                  clock start at once and ignore it
//   at HH:MM[:SS] STATEMENT        STATEMENT at that time of day (not before
//                                  the start), as "at SECONDS" counts from it
//   daily HH:MM[:SS] STATEMENT     STATEMENT at that time of every simulated
//                                  day, the first one at or after the start
//   suspend | standby | resume     a power notification of the system
//   switch                         the battery selection command
//   setting NAME=VALUE             a field of the settings record by its name
//                                  (0..255; FastDischargeMinutes any number)
//                                  or LaunchProgramPath=TEXT; without "at" it
//                                  is set after each start, once the settings
//                                  file is loaded
//   answers yes|no|ok ...          the answers to the dialogs, in the order
//                                  they are asked
//   calibrate | fastdischarge      the keys C and D: start (or stop) a
//                                  calibration or a fast discharge
//   flow discharge=mW charge=mW    battery 1 drains on battery and fills on
//                                  external power by itself, second by second
//   wear P%/day                    battery 1's full-charged capacity falls by
//                                  P % of its designed capacity a day, second
//                                  by second
//   display levels=L,L,...|none ac=P dc=P composition=on|off
//                                  the simulated panel (before the start)
//   shutdown | boot                the computer goes off at once, or starts
//
// The statements after the battery ones are handed to the runner of the
// simulation (scenario_run.h) to carry out.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/scenario_reader.h"

namespace voltaro::scenario {

using platform::sim::ScenarioError;
using platform::sim::ScenarioLine;
using platform::sim::TimedEvent;

struct ScenarioScript {
  int startSecondOfDay = 8 * 3600;
  std::vector<ScenarioLine> statements;  // untimed runner statements, in file order
  std::vector<TimedEvent> events;        // in time order, file order within a time
  std::set<int> dailyLines;              // the line numbers of the "daily" events
};

struct ScenarioReading {
  std::optional<ScenarioError> error;
  ScenarioScript script;
  bool ok() const { return !error.has_value(); }
};

// Reads a scenario: battery statements are applied to `driver` as they are
// read, timed ones are checked on a copy; an error names the line.
ScenarioReading readScenario(std::string text, platform::sim::SimBatteryDriver& driver);
ScenarioReading readScenarioFile(const std::string& path, platform::sim::SimBatteryDriver& driver);

// True for the statements a runner carries out (not the battery ones).
bool isRunnerStatement(const std::string& verb);
// Applies a battery statement (a timed event's) to the driver.
std::optional<ScenarioError> applyBatteryStatement(const ScenarioLine& line,
                                                   platform::sim::SimBatteryDriver& driver);

// The values of a "display" statement; what it leaves out stays as it is.
struct PanelSetup {
  std::optional<std::vector<std::uint8_t>> levels;  // percent, in the panel's order
  std::optional<std::uint8_t> ac;
  std::optional<std::uint8_t> dc;
  std::optional<bool> composition;
};
std::optional<std::string> parsePanel(const ScenarioLine& line, PanelSetup& panel);

// The values of a "flow" statement, in mW.
struct FlowSetup {
  std::optional<std::uint32_t> discharge;
  std::optional<std::uint32_t> charge;
};
std::optional<std::string> parseFlow(const ScenarioLine& line, FlowSetup& flow);

// The percent of the designed capacity a "wear" statement takes a day.
std::optional<std::string> parseWear(const ScenarioLine& line, double& percentPerDay);

// Rewrites "start HH:MM[:SS]" into a comment, and "at HH:MM[:SS] ..." and
// "daily HH:MM[:SS] ..." into "at SECONDS ..." counted from the start (a
// daily one at its first time), keeping the line numbers. Returns an error
// naming the line, or nullopt; `startSecondOfDay` receives the start and
// `dailyLines`, when given, the numbers of the daily lines.
std::optional<ScenarioError> resolveClockTimes(std::string& text, int& startSecondOfDay,
                                               std::set<int>* dailyLines = nullptr);

// One statement as a printer shows it: "unplug", "status 1 capacity=2000".
std::string describe(const ScenarioLine& line);

}  // namespace voltaro::scenario
