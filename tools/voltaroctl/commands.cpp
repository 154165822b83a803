// The subcommand table: adding a subcommand is one line here (and its
// source file in CMakeLists.txt).
#include "commands.h"

#include "health_command.h"
#include "info_command.h"
#ifdef VOLTARO_HAVE_PLANS
#include "brightness_command.h"
#include "plans_command.h"
#endif
#ifdef VOLTARO_HAVE_GRAPH
#include "graph_command.h"
#endif
#include "settings_command.h"
#include "simulate_command.h"
#include "watch_command.h"

namespace voltaro::tools {

namespace {

const Command kCommands[] = {
    {"info", runInfoCommand, infoUsage},
    {"watch", runWatchCommand, watchUsage},
    {"simulate", runSimulateCommand, simulateUsage},
    {"health", runHealthCommand, healthUsage},
    {"settings", runSettingsCommand, settingsUsage},
    {"calibrate-sim", runCalibrateSimCommand, calibrateSimUsage},
    {"fast-discharge-sim", runFastDischargeSimCommand, fastDischargeSimUsage},
#ifdef VOLTARO_HAVE_GRAPH
    {"graph", runGraphCommand, graphUsage},
#endif
#ifdef VOLTARO_HAVE_PLANS
    {"plans", runPlansCommand, plansUsage},
    {"brightness", runBrightnessCommand, brightnessUsage},
#endif
};

}  // namespace

std::span<const Command> commands() {
  return kCommands;
}

}  // namespace voltaro::tools
