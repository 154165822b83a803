// voltaroctl: the command-line front end of the Voltaro engine.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void printUsage(std::ostream& out) {
  out << "usage:\n";
  for (const auto& command : voltaro::tools::commands()) out << command.usage();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printUsage(std::cout);
    return 0;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const auto& command : voltaro::tools::commands()) {
    if (name == command.name) return command.run(args, std::cout, std::cerr);
  }
  std::cerr << "voltaroctl: unknown command '" << name << "'\n";
  printUsage(std::cerr);
  return 2;
}
