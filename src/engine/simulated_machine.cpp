#include "engine/simulated_machine.h"

namespace voltaro::engine {

namespace {

// What the power-profiles tool lists on a laptop that offers all three.
constexpr const char* kProfiles =
    "  performance:\r\n"
    "    Degraded:   no\r\n"
    "\r\n"
    "* balanced:\r\n"
    "\r\n"
    "  power-saver:\r\n";

}  // namespace

SimulatedMachine::SimulatedMachine() {
  for (std::uint8_t level = 10; level <= 100; level = static_cast<std::uint8_t>(level + 10)) {
    display.supportedLevels.push_back(level);
  }
  display.acLevel = 70;
  display.dcLevel = 70;
  planTool.format = platform::PlanListingFormat::PowerProfiles;
  planTool.listing = kProfiles;
}

void SimulatedMachine::observe(const std::function<void(const std::string&)>& observer) {
  for (platform::sim::SimRecorder* recorder :
       {static_cast<platform::sim::SimRecorder*>(&display),
        static_cast<platform::sim::SimRecorder*>(&power),
        static_cast<platform::sim::SimRecorder*>(&planTool),
        static_cast<platform::sim::SimRecorder*>(&shell),
        static_cast<platform::sim::SimRecorder*>(&audio),
        static_cast<platform::sim::SimRecorder*>(&calibrationPower)}) {
    recorder->observer = observer;
  }
}

}  // namespace voltaro::engine
