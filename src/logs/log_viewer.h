// Opens the logs in the desktop's text editor. A missing log opens
// nothing, and an editor that fails to start is not reported.
#pragma once

#include <string>

#include "platform/shell.h"

namespace voltaro::logs {

class LogViewer {
 public:
  LogViewer(const std::string& dataFolder, platform::Shell& shell)
      : dataFolder_(dataFolder), shell_(shell) {}

  // The current discharge log, or the old one when there is no current one
  // (on external power the current one has just been moved).
  void viewDischargeLog();
  void viewCalibrationLog();

 private:
  bool openIfPresent(const std::string& fileName);

  const std::string& dataFolder_;
  platform::Shell& shell_;
};

}  // namespace voltaro::logs
