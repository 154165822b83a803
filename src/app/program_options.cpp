// voltaro --help and --version, without Qt.
#include "app/program_options.h"

#include <cstring>
#include <ostream>

#ifndef VOLTARO_VERSION
#error "VOLTARO_VERSION names the project's version"
#endif

namespace voltaro::app {

const char* programHelp() {
  return "Watches the laptop's batteries from the notification area.\n"
         "Usage: voltaro [OPTIONS]\n"
         "\n"
         "Voltaro lives in the notification area and reads every battery the system\n"
         "exposes: charge, time left, capacity and wear. It keeps a charge graph and a\n"
         "health record, writes logs and reports, raises alerts, guides a calibration\n"
         "and a fast discharge, switches power plans, and has a desktop gadget. One\n"
         "copy runs per user.\n"
         "\n"
         "Options:\n"
         "  -h,--help                 Print this help and exit\n"
         "  --version                 Print the version and exit\n"
         "\n"
         "Environment:\n"
         "  VOLTARO_SIMULATE=FILE     Run on the simulated batteries of a scenario file\n"
         "  VOLTARO_WEB_HOST=HOST     Point the links and the update check at another server\n"
         "\n"
         "Files:\n"
         "  ~/Documents/Keldwick/Voltaro/  The data folder: the settings (voltaro.ini),\n"
         "                            the logs and the health record\n"
         "\n"
         "See also: voltaroctl(1), which reads the batteries and runs the same engine\n"
         "from the command line.\n";
}

const char* programVersion() {
  return "voltaro " VOLTARO_VERSION;
}

std::optional<int> answerWithoutDisplay(std::span<char* const> words, std::ostream& out) {
  for (const char* word : words.subspan(words.empty() ? 0 : 1)) {
    if (word == nullptr) break;
    if (std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0) {
      out << programHelp();
      return 0;
    }
    if (std::strcmp(word, "--version") == 0) {
      out << programVersion() << '\n';
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace voltaro::app
