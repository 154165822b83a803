#include "logs/log_viewer.h"

#include "common/file_io.h"
#include "logs/log_files.h"

namespace voltaro::logs {

bool LogViewer::openIfPresent(const std::string& fileName) {
  const std::string path = dataFolder_ + fileName;
  if (!fileExists(path)) return false;
  shell_.openTextFile(path);
  return true;
}

void LogViewer::viewDischargeLog() {
  if (openIfPresent(std::string(kDischargeLogFile))) return;
  openIfPresent(std::string(kOldDischargeLogFile));
}

void LogViewer::viewCalibrationLog() {
  openIfPresent(std::string(kCalibrationLogFile));
}

}  // namespace voltaro::logs
