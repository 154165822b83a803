// What `calibrate-sim` and `fast-discharge-sim` print beside the lines of
// `simulate`: each start of the program, the calibration marker files as
// they come and go, the Calibrate page's states, the number of load workers
// running, and at the end the calibration log, the health values and the
// disc-activity files left behind.
#pragma once

#include <string>

#include "simulation.h"

namespace voltaro::tools {

class CalibrationReport {
 public:
  explicit CalibrationReport(Simulation& simulation);

  // After each step of the run.
  void step();
  // At the end of the scenario, before the exit procedure.
  void finish();

 private:
  void watchMarkers();
  void watchWorkers();

  Simulation& simulation_;
  std::string dataFolder_;  // of the latest start
  bool markers_[2] = {false, false};
  int workersAlive_ = 0;
};

}  // namespace voltaro::tools
