// The Windows system actions: power notifications, processor times, the
// shell, the display through its device, and the power actions. The power
// plans stay the simulated machine's: there is no Windows plan tool yet.
#pragma once

#include <functional>
#include <memory>

#include "engine/system_actions.h"

namespace voltaro::engine {

std::unique_ptr<SystemActions> makeWindowsSystemActions(platform::Runtime& runtime,
                                                        std::function<bool()> onAcPower);

}  // namespace voltaro::engine
