// The monitoring cycle as voltaroctl runs it: battery access and the monitor
// over a given runtime and driver, no sound, no tray but the printer, and
// scenario statements of its own for the monitor's inputs:
//
//   suspend | standby | resume    a power notification of the system
//   switch                        the battery selection command
//
// (written after "at" to happen at a time). `voltaroctl simulate` also reads
// times of day: "start HH:MM[:SS]" sets the simulated clock at the start
// (default 08:00), and "at HH:MM[:SS] STATEMENT" happens at that time of day.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "change_printer.h"
#include "common/day_number.h"
#include "monitor/assembly/monitor_assembly.h"
#include "monitor/monitor_hooks.h"
#include "platform/audio.h"
#include "platform/sim/scenario_reader.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"

namespace voltaro::tools {

// voltaroctl never plays a clip and never touches the speaker volume.
class MutedAudio : public platform::Audio {
 public:
  void play(platform::Clip) override {}
  std::optional<int> masterVolume() override { return std::nullopt; }
  bool setMasterVolume(int) override { return false; }
  bool setMuted(bool) override { return false; }
};

// Adds "suspend", "standby" and "resume" (fired on `power`) and "switch"
// (`switchBattery`); they act only on `driver` (the reader also checks timed
// statements on a scratch copy, where they do nothing).
void addPowerVerbs(platform::sim::ScenarioReader& reader, platform::sim::SimBatteryDriver& driver,
                   platform::sim::SimPowerEvents& power, std::function<void()> switchBattery);

// Prints when the monitoring tick stops (suspend, no battery) and runs again.
class TickWatch {
 public:
  TickWatch(platform::Runtime& runtime, ChangePrinter& printer, std::function<bool()> running);

 private:
  std::unique_ptr<platform::Timer> timer_;
  bool wasRunning_ = false;
};

class MonitorSession {
 public:
  MonitorSession(platform::Runtime& runtime, platform::BatteryDriver& driver,
                 ChangePrinter& printer);

  // Adds the monitor's statements (addPowerVerbs).
  void addVerbs(platform::sim::ScenarioReader& reader, platform::sim::SimBatteryDriver& driver);
  void start() { assembly.start(); }

  platform::sim::SimPowerEvents power;
  platform::Runtime& runtime;
  platform::sim::SimSystemTimes times{1};
  MutedAudio audio;
  monitor::MonitorHooks hooks;
  monitor::MonitorAssembly assembly;

 private:
  TickWatch tickWatch_;
};

// Rewrites "start HH:MM[:SS]" into a comment and "at HH:MM[:SS] ..." into
// "at SECONDS ..." counted from the start, keeping the line numbers. Returns
// an error text naming the line, or nullopt; `start` receives the start time.
std::optional<std::string> resolveClockTimes(std::string& text, CivilDateTime& start);

// One statement as the printer shows it: "unplug", "status 1 capacity=2000".
std::string describe(const platform::sim::ScenarioLine& line);

}  // namespace voltaro::tools
