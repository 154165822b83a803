#include "calibration/calibrate_page_commands.h"

#include <cctype>

#include "fastdischarge/fast_discharge_texts.h"

namespace voltaro::calibration {

CalibratePageCommands::CalibratePageCommands(Calibration& calibration,
                                             fastdischarge::FastDischarge& fastDischarge,
                                             fastdischarge::FastDischargeOptions& options)
    : calibration_(calibration), fastDischarge_(fastDischarge), options_(options) {}

bool CalibratePageCommands::handleKey(char key) {
  switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'C':
      return handleControl(kCalibrateControl);
    case 'D':
      return handleControl(fastdischarge::control::kStartStop);
    default:
      return false;
  }
}

bool CalibratePageCommands::handleControl(int number) {
  if (number == kCalibrateControl) {
    calibration_.calibrateCommand();
    return true;
  }
  if (number == fastdischarge::control::kStartStop) {
    fastDischarge_.fastDischargeCommand();
    return true;
  }
  return options_.handleControl(number);
}

}  // namespace voltaro::calibration
