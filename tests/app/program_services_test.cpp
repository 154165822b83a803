// The program's VOLTARO_SIMULATE reads every scenario file of the project
// with the one scenario language, and names the line of a bad one; without
// it the fast-discharge workers run on the POSIX worker-thread service and a
// calibration keeps the computer awake through logind.
#include "app/program_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calibration/sleep_blocking_calibration_power.h"
#include "platform/linux_threads/posix_worker_threads.h"

namespace voltaro::app {
namespace {

namespace fs = std::filesystem;

// Every file of the project that describes a slot, but the one made to fail.
std::vector<fs::path> scenarioFiles() {
  const fs::path root = fs::path(VOLTARO_TEST_DATA) / ".." / "..";
  std::vector<fs::path> files;
  for (const fs::path& folder :
       {root / "assets" / "scenarios", root / "tools" / "voltaroctl" / "scenarios"}) {
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
  }
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(VOLTARO_TEST_DATA))) {
    if (entry.path().extension() != ".txt" || entry.path().stem() == "bad_line") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    if (text.str().starts_with("slot ") || text.str().find("\nslot ") != std::string::npos) {
      files.push_back(entry.path());
    }
  }
  return files;
}

std::string scenarioError(const fs::path& file) {
  setenv("VOLTARO_SIMULATE", file.c_str(), 1);
  const ProgramServices services;
  unsetenv("VOLTARO_SIMULATE");
  EXPECT_TRUE(services.simulated());
  return services.scenarioError();
}

TEST(ProgramServices, EveryScenarioOfTheProjectIsRead) {
  const auto files = scenarioFiles();
  EXPECT_GE(files.size(), 10u);
  for (const fs::path& file : files) EXPECT_EQ(scenarioError(file), "") << file;
  EXPECT_EQ(scenarioError(fs::path(VOLTARO_TEST_DATA) / "scenarios" / "bad_line.txt"),
            "line 4: 'status' has no option 'colour'");
}

TEST(ProgramServices, TheSystemRunHasTheLinuxWorkerThreadsAndCalibrationLock) {
  unsetenv("VOLTARO_SIMULATE");
  ProgramServices program;
  ASSERT_EQ(program.scenarioError(), "");
  const engine::PlatformServices services = program.services();
  EXPECT_NE(dynamic_cast<platform::linux_threads::PosixWorkerThreads*>(services.threads), nullptr);
  EXPECT_NE(dynamic_cast<calibration::SleepBlockingCalibrationPower*>(services.calibrationPower),
            nullptr);
}

}  // namespace
}  // namespace voltaro::app
