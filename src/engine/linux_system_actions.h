// The Linux system actions: logind's sleep notifications and power actions,
// /proc/stat, the desktop's shell, the backlight (written through logind)
// and power-profiles-daemon.
#pragma once

#include <functional>
#include <memory>

#include "engine/system_actions.h"

namespace voltaro::engine {

std::unique_ptr<SystemActions> makeLinuxSystemActions(platform::Runtime& runtime,
                                                      std::function<bool()> onAcPower);

}  // namespace voltaro::engine
