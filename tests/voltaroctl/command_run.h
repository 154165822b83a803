// Runs voltaroctl's commands through its command line, as the words a user
// types after the program's name, so the tests see the parser's refusals
// and exit statuses too.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"

namespace voltaro::tools {

inline int runWords(std::span<const Command> table, const char* name,
                    const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words{name};
  words.insert(words.end(), args.begin(), args.end());
  return runCommandLine(table, words, out, err);
}

#define VOLTARO_COMMAND_RUN(function, table, name)                             \
  inline int function(const std::vector<std::string>& args, std::ostream& out, \
                      std::ostream& err) {                                     \
    return runWords(table(), name, args, out, err);                            \
  }

VOLTARO_COMMAND_RUN(runInfoCommand, commands, "info")
VOLTARO_COMMAND_RUN(runWatchCommand, commands, "watch")
VOLTARO_COMMAND_RUN(runHealthCommand, commands, "health")
VOLTARO_COMMAND_RUN(runSettingsCommand, commands, "settings")
VOLTARO_COMMAND_RUN(runSimulateCommand, commands, "simulate")
VOLTARO_COMMAND_RUN(runCalibrateSimCommand, commands, "calibrate-sim")
VOLTARO_COMMAND_RUN(runFastDischargeSimCommand, commands, "fast-discharge-sim")
VOLTARO_COMMAND_RUN(runBrightnessCommand, desktopCommands, "brightness")
VOLTARO_COMMAND_RUN(runPlansCommand, desktopCommands, "plans")
VOLTARO_COMMAND_RUN(runGraphCommand, desktopCommands, "graph")

#undef VOLTARO_COMMAND_RUN

}  // namespace voltaro::tools
