// The command tables: adding a command is its file and one line here (and
// the file in CMakeLists.txt).
#include "commands.h"

#include "brightness_command.h"
#include "graph_command.h"
#include "health_command.h"
#include "history_command.h"
#include "info_command.h"
#include "plans_command.h"
#include "settings_command.h"
#include "simulate_command.h"
#include "watch_command.h"

namespace voltaro::tools {

namespace {

const Command kCommands[] = {
    {kInfoCommand, defineInfoCommand},
    {kWatchCommand, defineWatchCommand},
    {kHealthCommand, defineHealthCommand},
#ifndef VOLTARO_HAVE_DESKTOP_COMMANDS
    {kHistoryCommand, defineHistoryCommand},  // without pictures
#endif
    {kSettingsCommand, defineSettingsCommand},
    {kSimulateCommand, defineSimulateCommand},
    {kCalibrateSimCommand, defineCalibrateSimCommand},
    {kFastDischargeSimCommand, defineFastDischargeSimCommand},
#ifdef VOLTARO_HAVE_DESKTOP_COMMANDS
    {kHistoryCommand, nullptr},  // its picture needs Qt
    {kGraphCommand, nullptr},
    {kPlansCommand, nullptr},
    {kBrightnessCommand, nullptr},
#endif
};

}  // namespace

std::span<const Command> commands() {
  return kCommands;
}

}  // namespace voltaro::tools
