// Portable stand-ins for the services a program may leave out: a worker
// steady clock without priority changes, a calibration that leaves the power
// configuration alone, and a parameters dialog that nobody sees.
#pragma once

#include <chrono>

#include "calibration/calibration_power.h"
#include "common/day_number.h"
#include "platform/threads.h"
#include "view/parameters_port.h"

namespace voltaro::engine {

class PlainWorkerThreads final : public platform::WorkerThreads {
 public:
  std::int64_t steadyNanoseconds() const override {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  bool raiseCurrentThreadPriority() override { return false; }
};

// For systems whose power management has no battery-only idle actions to
// change (Linux power profiles): the calibration runs without them.
class UnchangedCalibrationPower final : public calibration::CalibrationPower {
 public:
  void setBatteryValues(const std::string& /*planId*/) override {}
  void disableStandbyOnBattery() override {}
  void disableHibernation() override {}
  calibration::PowerParameterTexts parameterTexts() override {
    return {"Unchanged", "Unchanged", "Unchanged", "Unchanged", "Unchanged"};
  }
};

class HiddenParameters final : public view::ParametersPort {
 public:
  void fill(const view::ParametersContent& /*content*/) override {}
  void show() override {}
  void hide() override {}
};

}  // namespace voltaro::engine
