#include "graph_scenario.h"

#include <ostream>
#include <streambuf>

#include "change_printer.h"
#include "monitor/assembly/monitor_assembly.h"
#include "monitor/monitor_hooks.h"
#include "monitor_session.h"
#include "platform/sim/scenario_reader.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::tools {
namespace {

using history::ChargeHistory;
using history::SampleKind;
using platform::sim::ScenarioLine;
using platform::sim::SimBatteryDriver;

// The monitor's history seam, filled with the real history. The graph is
// drawn once at the end, so the redraws of the ticks have nothing to do.
class HistoryFeed : public monitor::MonitorHooks {
 public:
  explicit HistoryFeed(ChargeHistory& history) : history_(history) {}
  void recordHistorySample(std::uint16_t quarterPercent, monitor::HistoryKind kind) override {
    history_.advance();
    history_.writeSample(quarterPercent, static_cast<SampleKind>(static_cast<std::uint8_t>(kind)));
  }
  void clearHistory() override { history_.reset(); }

 private:
  ChargeHistory& history_;
};

// Swallows what the change printer would print.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
};

void addMonitorVerbs(platform::sim::ScenarioReader& reader, SimBatteryDriver& driver,
                     platform::sim::SimPowerEvents& power, monitor::Monitor& monitor) {
  const auto verb = [&driver](std::function<void()> action) {
    return [&driver, action](const ScenarioLine& line,
                             SimBatteryDriver& target) -> std::optional<std::string> {
      if (!line.words.empty() || !line.values.empty()) return "'" + line.verb + "' takes no words";
      if (&target == &driver) action();
      return std::nullopt;
    };
  };
  using platform::PowerEvent;
  reader.addVerb("suspend", verb([&power] { power.fire(PowerEvent::Suspend); }));
  reader.addVerb("standby", verb([&power] { power.fire(PowerEvent::Standby); }));
  reader.addVerb("resume", verb([&power] { power.fire(PowerEvent::ResumeSuspend); }));
  reader.addVerb("switch", verb([&monitor] { monitor.act8(); }));
}

}  // namespace

std::optional<std::string> recordScenarioHistory(std::string text, double hours,
                                                 ChargeHistory& history,
                                                 history::GraphReadings& readings) {
  CivilDateTime start{2026, 1, 1};
  if (auto problem = resolveClockTimes(text, start)) return problem;
  platform::sim::VirtualRuntime runtime(toDayTime(start));
  SimBatteryDriver driver;
  platform::sim::SimPowerEvents power;
  platform::sim::SimSystemTimes times{1};
  MutedAudio audio;
  NullBuffer nothing;
  std::ostream quiet(&nothing);
  ChangePrinter printer(quiet, [] { return std::string(); });
  HistoryFeed feed(history);
  monitor::MonitorAssembly assembly(
      monitor::AssemblyPorts{runtime, driver, power, times, audio, printer, printer, feed});

  platform::sim::ScenarioReader reader;
  addMonitorVerbs(reader, driver, power, assembly.monitor);
  const auto result = reader.read(text, driver);
  if (!result.ok()) return result.error->text();
  for (const auto& event : result.events) {
    runtime.postAt(std::uint64_t{event.atSeconds} * 1000,
                   [&reader, &driver, line = event.action] { reader.apply(line, driver); });
  }
  history.reset();
  assembly.start();
  runtime.advance(static_cast<std::uint64_t>(hours * 3600.0 * 1000.0));

  const int slot = assembly.slots.currentSlot;
  readings = {assembly.live.percent(slot), assembly.live.onPower, assembly.live.remaining(slot)};
  return std::nullopt;
}

}  // namespace voltaro::tools
