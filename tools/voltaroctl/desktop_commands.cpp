// The commands of voltaroctl-desktop, the ones that need Qt: one line each.
#include "brightness_command.h"
#include "commands.h"
#include "graph_command.h"
#include "history_command.h"
#include "plans_command.h"

namespace voltaro::tools {

namespace {

const Command kDesktopCommands[] = {
    {kHistoryCommand, defineHistoryCommand},
    {kGraphCommand, defineGraphCommand},
    {kPlansCommand, definePlansCommand},
    {kBrightnessCommand, defineBrightnessCommand},
};

}  // namespace

std::span<const Command> desktopCommands() {
  return kDesktopCommands;
}

}  // namespace voltaro::tools
