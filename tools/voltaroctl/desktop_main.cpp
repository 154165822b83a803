// voltaroctl-desktop: the voltaroctl commands that need Qt (the graph's
// drawing, D-Bus for the power plans and the backlight). voltaroctl starts
// it for them, so reading a battery loads no Qt.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  return voltaro::tools::runCommandLine(voltaro::tools::desktopCommands(), words, std::cout,
                                        std::cerr);
}
