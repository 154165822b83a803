// A real fast discharge through the engine: the "D" key, YES to the start
// question, CPU and disc workers on their own threads writing into the data
// folder, and external power ending them all.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "engine/engine_harness.h"

namespace voltaro::testing {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

int discFilesIn(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return 0;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".bin") ++count;
  }
  return count;
}

// Moves virtual time on in 100 ms steps (the engine's watch of the workers)
// until `done` holds or `limit` of real time has passed.
template <typename F>
bool runUntil(EngineHarness& h, F done, milliseconds limit) {
  const auto deadline = steady_clock::now() + limit;
  while (!done()) {
    if (steady_clock::now() > deadline) return false;
    h.runtime.advance(100);
    std::this_thread::sleep_for(milliseconds(1));
  }
  return true;
}

TEST(EngineFastDischargeTest, WorkersWriteIntoTheDataFolderAndEndOnExternalPower) {
  TemporaryFolder documents;
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  auto& settings = h.engine().settings();
  settings.FastDischargeMinutes = 5;
  settings.FastDischargeCpuLoad = 1;
  settings.FastDischargeCpuThreads = 2;
  settings.FastDischargeDiscActivity = 1;
  settings.FastDischargeDiscPercent = 100;
  h.startAndRun(3);
  ASSERT_FALSE(h.engine().live().onPower);

  ASSERT_TRUE(h.engine().calibratePage().handleKey('D'));
  ASSERT_EQ(h.confirmation.last().texts.line1,
            "This process will run for 5 minutes. Do you want to start it?");
  h.engine().dialog().answerYes();
  auto& process = h.engine().fastDischarge();
  ASSERT_TRUE(process.fastDischargeRunning());
  EXPECT_EQ(process.cpuWorkersAlive(), 2);
  EXPECT_TRUE(process.discWorkerAlive());
  EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Fast Discharge"), "On");

  const fs::path testFolder = fs::path(h.engine().dataFolder()) / "test";
  EXPECT_TRUE(runUntil(
      h, [&] { return discFilesIn(testFolder) >= 3; }, milliseconds(2000)))
      << "the disc worker writes into the data folder's \"test\" folder";

  h.driver.plug();
  ASSERT_TRUE(runUntil(
      h, [&] { return h.engine().live().onPower; }, milliseconds(2000)));
  EXPECT_TRUE(runUntil(
      h, [&] { return process.cpuWorkersAlive() == 0 && !process.discWorkerAlive(); },
      milliseconds(1000)))
      << "every worker ends within a second of external power";
  EXPECT_FALSE(process.fastDischargeRunning());
  EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Fast Discharge"), "Off");
  EXPECT_TRUE(fs::is_directory(testFolder)) << "the folder itself stays";
  EXPECT_EQ(discFilesIn(testFolder), 0);
  h.engine().exitProcedure();
}

}  // namespace
}  // namespace voltaro::testing
