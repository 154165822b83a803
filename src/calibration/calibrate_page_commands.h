// The Calibrate page's commands of the calibration and the fast discharge:
// the keys "C" and "D" of the main window and the controls 58 and 68 to 79.
#pragma once

#include "calibration/calibration.h"
#include "fastdischarge/fast_discharge.h"
#include "fastdischarge/fast_discharge_options.h"

namespace voltaro::calibration {

inline constexpr int kCalibrateControl = 58;  // "&Calibration"

class CalibratePageCommands {
 public:
  CalibratePageCommands(Calibration& calibration, fastdischarge::FastDischarge& fastDischarge,
                        fastdischarge::FastDischargeOptions& options);

  // The pressed character, compared in upper case: "C" starts or stops a
  // calibration, "D" a fast discharge. False for any other key.
  bool handleKey(char key);
  // Control 58, 68 and the option buttons 69 to 79. False for any other.
  bool handleControl(int number);

 private:
  Calibration& calibration_;
  fastdischarge::FastDischarge& fastDischarge_;
  fastdischarge::FastDischargeOptions& options_;
};

}  // namespace voltaro::calibration
