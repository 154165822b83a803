#include "calibration/calibration_markers.h"

#include <vector>

#include "common/file_io.h"

namespace voltaro::calibration {

std::string CalibrationMarkers::startPath() const {
  return dataFolder_ + std::string(kStartMarkerFile);
}

std::string CalibrationMarkers::dischargePath() const {
  return dataFolder_ + std::string(kDischargeMarkerFile);
}

bool CalibrationMarkers::startExists() const {
  return fileExists(startPath());
}

bool CalibrationMarkers::dischargeExists() const {
  return fileExists(dischargePath());
}

bool CalibrationMarkers::createStart() const {
  return writeTextLines(startPath(), {std::string(kStartMarkerLine)});
}

bool CalibrationMarkers::createDischarge() const {
  return writeTextLines(dischargePath(), {std::string(kDischargeMarkerLine)});
}

void CalibrationMarkers::removeBoth() const {
  removeFile(startPath());
  removeFile(dischargePath());
}

}  // namespace voltaro::calibration
