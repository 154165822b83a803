// The program's own command-line words, answered before the QApplication
// exists so that `voltaro --help` and `voltaro --version` need no display.
// Every other word is Qt's (-platform, -display, ...) and passes on.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>

namespace voltaro::app {

// The help text, which voltaro(1) is also made from at build time.
const char* programHelp();

// "voltaro 0.1.0".
const char* programVersion();

// Prints the help or the version when the words ask for one and returns the
// exit status; nullopt when the program is to start.
std::optional<int> answerWithoutDisplay(std::span<char* const> words, std::ostream& out);

}  // namespace voltaro::app
