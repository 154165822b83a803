// The one-line status message at the bottom left of the main window, and the
// general error report of the application.
#pragma once

#include <string>

namespace voltaro::view {

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  // Shows the text grey, waits 400 ms processing messages, then shows it black.
  virtual void show(const std::string& text) = 0;
};

class ErrorReport {
 public:
  virtual ~ErrorReport() = default;
  // A file input/output failure of the logs, reports or settings.
  virtual void report(const std::string& message) = 0;
};

}  // namespace voltaro::view
