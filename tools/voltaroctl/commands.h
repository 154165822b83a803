// The subcommands of voltaroctl. Each is a function of the words after its
// name that writes to the given streams and returns the exit status:
// 0 done, 1 failed, 2 usage or input error.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace voltaro::tools {

using CommandFunction = int (*)(const std::vector<std::string>& args, std::ostream& out,
                                std::ostream& err);

struct Command {
  const char* name;
  CommandFunction run;
  const char* (*usage)();  // one or more lines, each "voltaroctl NAME ..."
};

// Every subcommand this build has, in the order the help lists them.
std::span<const Command> commands();

}  // namespace voltaro::tools
