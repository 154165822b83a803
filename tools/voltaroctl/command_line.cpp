#include "command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <memory>
#include <ostream>

#ifndef VOLTARO_VERSION
#error "VOLTARO_VERSION names the project's version"
#endif

namespace voltaro::tools {

namespace {

constexpr const char* kExitStatuses =
    "Exit status: 0 done, 1 no battery or the operation failed, 2 bad usage or input.";

// Options as "--sysfs DIR", without the parser's notes on what excludes
// what (the descriptions say it).
class HelpFormatter : public CLI::Formatter {
 public:
  HelpFormatter() {
    column_width(28);
    label("SUBCOMMAND", "COMMAND");
    label("SUBCOMMANDS", "COMMANDS");
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    if (option->get_type_size() == 0) return "";
    // A positional's name says what it is: "FILE", not "FILE TEXT".
    if (!option->nonpositional()) return option->get_required() ? " (required)" : "";
    // The type without the checks' notes: "DIR", not "DIR:DIR in ...".
    std::string type = option->get_type_name();
    type = type.substr(0, type.find(':'));
    if (type.empty()) return "";
    return " " + type + (option->get_required() ? " (required)" : "");
  }
};

void lookTheSame(CLI::App& app) {
  app.formatter(std::make_shared<HelpFormatter>());
}

// "voltaroctl info" when the words reached a command, else "voltaroctl".
std::string speaker(const CLI::App& tool) {
  const auto parsed = tool.get_subcommands();
  return parsed.empty() ? tool.get_name() : tool.get_name() + " " + parsed.front()->get_name();
}

}  // namespace

void addBatterySource(CLI::App& command, BatterySource& source) {
  auto* simulate = command.add_option("--simulate", source.simulate,
                                      "Read the simulated batteries of a scenario file "
                                      "(not with --sysfs)");
  simulate->type_name("FILE");
  auto* sysfs = command.add_option("--sysfs", source.sysfs,
                                   "Read another power_supply class folder than "
                                   "/sys/class/power_supply");
  sysfs->type_name("DIR");
  simulate->excludes(sysfs);
}

void addJsonFlag(CLI::App& command, bool& json) {
  command.add_flag("--json", json, "Print one JSON object (fields in the README)");
}

std::string versionLine() {
  return std::string("voltaroctl ") + VOLTARO_VERSION;
}

int runCommandLine(std::span<const Command> table, const std::vector<std::string>& words,
                   std::ostream& out, std::ostream& err, const RunElsewhere& elsewhere) {
  CLI::App tool("Reads the batteries and runs the Voltaro engine from the command line.",
                "voltaroctl");
  lookTheSame(tool);
  // A word starting with '/' is a path (as under wine), never an option;
  // the commands inherit this.
  tool.allow_windows_style_options(false);
  tool.set_version_flag("--version", versionLine(), "Print the version and exit");
  tool.require_subcommand(1);
  tool.footer(kExitStatuses);
  std::map<const CLI::App*, CommandAction> actions;
  for (const Command& command : table) {
    CLI::App* sub = tool.add_subcommand(command.name.name, command.name.summary);
    sub->group("Commands");
    if (command.define != nullptr) {
      sub->footer(kExitStatuses);
      actions[sub] = command.define(*sub);
      continue;
    }
    // The other program parses the words, --help too.
    sub->prefix_command();
    sub->set_help_flag();
    sub->allow_extras();
    actions[sub] = [sub, &elsewhere](std::ostream&, std::ostream& error) {
      std::vector<std::string> words = {sub->get_name()};
      const auto rest = sub->remaining();
      words.insert(words.end(), rest.begin(), rest.end());
      if (!elsewhere) {
        error << "voltaroctl " << sub->get_name() << ": not available in this build\n";
        return kExitFailed;
      }
      return elsewhere(words);
    };
  }
  // The parser would only say that a command is missing.
  if (!words.empty() && !words.front().starts_with('-') &&
      std::none_of(table.begin(), table.end(),
                   [&](const Command& c) { return words.front() == c.name.name; })) {
    err << "voltaroctl: unknown command '" << words.front() << "'\n"
        << "Run 'voltaroctl --help' for the commands.\n";
    return kExitUsage;
  }
  std::vector<std::string> reversed(words.rbegin(), words.rend());
  try {
    tool.parse(reversed);
  } catch (const CLI::Success& done) {
    tool.exit(done, out, err);
    return kExitDone;
  } catch (const CLI::ParseError& problem) {
    err << speaker(tool) << ": " << problem.what() << "\n"
        << "Run '" << speaker(tool) << " --help' for its usage.\n";
    return kExitUsage;
  }
  const CLI::App* chosen = tool.get_subcommands().front();
  return actions.at(chosen)(out, err);
}

}  // namespace voltaro::tools
