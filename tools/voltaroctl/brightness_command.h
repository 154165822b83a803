// `voltaroctl brightness [LEVEL]`: reads the display brightness, or sets it
// as the tray's "Brightness" items do (both power sources to LEVEL %).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::platform {
class Display;
}

namespace voltaro::tools {

const char* brightnessUsage();
int runBrightnessCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
// The same on a given display (tests use the simulated one).
int runBrightnessCommandWith(platform::Display& display, const std::vector<std::string>& args,
                             std::ostream& out, std::ostream& err);

}  // namespace voltaro::tools
