#include "console_ports.h"

#include <ostream>

namespace voltaro::tools {

void ConsoleErrors::report(const std::string& message) {
  err_ << "error: " << message << "\n";
  ++count_;
}

void ConsoleErrors::showError(const std::string& text) {
  err_ << text << "\n";
  ++count_;
}

}  // namespace voltaro::tools
