// What every voltaroctl command is to the command line: a name, a one-line
// summary for the tool's help, and a function that adds the command's
// options to its CLI11 subcommand and returns what runs it once the words
// are parsed. Adding a command is its file and one line of the table in
// commands.cpp (desktop_commands.cpp for those that need Qt).
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace voltaro::tools {

// The exit status of every command.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;  // no battery, or the operation failed
constexpr int kExitUsage = 2;   // bad usage or input (a bad scenario line too)

// Runs a parsed command; returns its exit status.
using CommandAction = std::function<int(std::ostream& out, std::ostream& err)>;

struct CommandName {
  const char* name;
  const char* summary;
};

struct Command {
  CommandName name;
  // Adds the options; nullptr for a command that voltaroctl-desktop runs.
  CommandAction (*define)(CLI::App& command);
};

// Where a battery-reading command reads: the system's batteries, another
// power_supply folder, or a scenario's simulated ones.
struct BatterySource {
  std::string simulate;  // a scenario file
  std::string sysfs;     // a power_supply class folder
};

// --simulate FILE and --sysfs DIR, which exclude each other.
void addBatterySource(CLI::App& command, BatterySource& source);
// --json: one JSON object instead of the page texts.
void addJsonFlag(CLI::App& command, bool& json);

}  // namespace voltaro::tools
