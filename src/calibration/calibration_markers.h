// The two marker files that carry a calibration across restarts of the
// program and of the computer: "calib.txt" while one runs, "calib2.txt" once
// the battery has been drained.
#pragma once

#include <string>
#include <string_view>

namespace voltaro::calibration {

inline constexpr std::string_view kStartMarkerFile = "calib.txt";
inline constexpr std::string_view kDischargeMarkerFile = "calib2.txt";
inline constexpr std::string_view kStartMarkerLine = "Calibration started";
inline constexpr std::string_view kDischargeMarkerLine = "Calibration OK";

class CalibrationMarkers {
 public:
  // `dataFolder` ends in the path separator.
  explicit CalibrationMarkers(const std::string& dataFolder) : dataFolder_(dataFolder) {}

  bool startExists() const;
  bool dischargeExists() const;
  // Write the marker with its single line; false when it cannot be written.
  bool createStart() const;
  bool createDischarge() const;
  // Deletes both; a missing file or a failed deletion is no error.
  void removeBoth() const;

  std::string startPath() const;
  std::string dischargePath() const;

 private:
  const std::string& dataFolder_;
};

}  // namespace voltaro::calibration
