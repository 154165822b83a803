// The services the program runs on, without a simulated battery: the
// fast-discharge workers on the POSIX worker-thread service and the
// calibration keeping the computer awake through logind.
#include "app/program_services.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "calibration/sleep_blocking_calibration_power.h"
#include "platform/linux_threads/posix_worker_threads.h"

namespace voltaro::testing {
namespace {

TEST(ProgramServicesTest, TheProgramHasTheLinuxWorkerThreadsAndCalibrationPower) {
  unsetenv("VOLTARO_SIMULATE");
  app::ProgramServices program;
  const engine::PlatformServices services = program.services();
  EXPECT_NE(dynamic_cast<platform::linux_threads::PosixWorkerThreads*>(services.threads), nullptr);
  EXPECT_NE(dynamic_cast<calibration::SleepBlockingCalibrationPower*>(services.calibrationPower),
            nullptr);
}

}  // namespace
}  // namespace voltaro::testing
