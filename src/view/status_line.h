// The one-line status message at the bottom left of the main window, and the
// general error report of the application.
#pragma once

#include <set>
#include <string>
#include <utility>

namespace voltaro::view {

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  // Shows the text grey, waits 400 ms processing messages, then shows it black.
  virtual void show(const std::string& text) = 0;
};

// Reading and writing a file fail and recover apart: a file that reads well
// may still not be writable.
enum class FileAccess { Read, Write };

class ErrorReport {
 public:
  virtual ~ErrorReport() = default;
  // A file input/output failure of the logs, reports or settings. Shown
  // without a modal wait and returns at once: the monitoring tick that runs
  // into a failure never waits for anyone to read it.
  virtual void report(const std::string& message) = 0;

  // A failure of the file `path` that may last, such as a full disc or a
  // read-only folder: reported the first time only, and again only after
  // fileRecovered(path) and a new failure. True when it was reported.
  bool reportFileFault(const std::string& path, const std::string& message,
                       FileAccess access = FileAccess::Write);
  // An access to `path` succeeded: its next failure is news again.
  void fileRecovered(const std::string& path, FileAccess access = FileAccess::Write);
  bool fileFailing(const std::string& path, FileAccess access = FileAccess::Write) const {
    return failingFiles_.contains({access, path});
  }

 private:
  std::set<std::pair<FileAccess, std::string>> failingFiles_;
};

}  // namespace voltaro::view
