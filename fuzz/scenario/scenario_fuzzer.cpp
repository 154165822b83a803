// Fuzzes the scenario language: the input is read as every front end reads a
// scenario file, its timed battery statements are carried out in time order,
// and the batteries it describes are read by the battery access code.
//
// Properties: an error names a line of the text; a good reading hands back
// its timed events in time order, and only statements a runner carries out
// as untimed statements.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "battery_reading.h"
#include "fuzz_check.h"
#include "platform/sim/sim_battery_driver.h"
#include "scenario/scenario_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;

  voltaro::platform::sim::SimBatteryDriver driver;
  const auto reading = voltaro::scenario::readScenario(std::move(text), driver);
  if (!reading.ok()) {
    FUZZ_CHECK(reading.error->line >= 1 && reading.error->line <= lines);
    return 0;
  }
  const auto& script = reading.script;
  for (const auto& statement : script.statements) {
    FUZZ_CHECK(voltaro::scenario::isRunnerStatement(statement.verb));
  }
  FUZZ_CHECK(
      std::is_sorted(script.events.begin(), script.events.end(),
                     [](const auto& a, const auto& b) { return a.atSeconds < b.atSeconds; }));
  for (const auto& event : script.events) {
    FUZZ_CHECK(event.action.number >= 1 && event.action.number <= lines);
    if (!voltaro::scenario::isRunnerStatement(event.action.verb)) {
      // Checked on a copy in file order, an event may still not fit the
      // driver in time order; it then reports an error, as the runner does.
      (void)voltaro::scenario::applyBatteryStatement(event.action, driver);
    }
  }
  voltaro::fuzz::BatteryReading(driver).run(12);
  return 0;
}
