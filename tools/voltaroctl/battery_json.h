// The batteries as JSON for scripts and status bars: plain figures in fixed
// units (mWh, mV, mW, seconds, percent, degrees Celsius), null for what is
// unknown. The field names are documented in the README and kept stable.
#pragma once

#include <nlohmann/json_fwd.hpp>

namespace voltaro::engine {
class Engine;
}

namespace voltaro::tools {

// The information and status of the battery in `slot`, which the engine
// has just read: the information record and its latest status reading.
nlohmann::ordered_json batteryJson(const engine::Engine& engine, int slot);

// The live figures of the battery shown, for `watch --json`.
nlohmann::ordered_json statusJson(const engine::Engine& engine);

// The same fields while no battery is present: null but for the power source.
nlohmann::ordered_json absentJson(const engine::Engine& engine);

}  // namespace voltaro::tools
