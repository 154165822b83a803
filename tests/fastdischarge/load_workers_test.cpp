// The worker bodies on their own: each way out of their loops, with the
// other flags left set, so that only the condition under test can end them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "fakes/fake_worker_threads.h"
#include "fakes/temporary_folder.h"
#include "fastdischarge/load_workers.h"

namespace voltaro::fastdischarge {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr double kFiveMinutes = 5.0 / kMinutesPerDay;

class LoadWorkersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    flags.running.store(true);
    for (auto& flag : flags.keepRunning) flag.store(true);
    flags.onPower.store(false);
  }
  template <typename F>
  static bool endsWithin(std::future<F>& future, std::chrono::milliseconds limit) {
    return future.wait_for(limit) == std::future_status::ready;
  }

  WorkerFlags flags;
  fakes::FakeWorkerThreads threads{46023.5};
};

TEST_F(LoadWorkersTest, CpuWorkersLeaveOnExternalPowerAlone) {
  auto first =
      std::async(std::launch::async, [&] { return runCpuWorker(1, flags, threads, kFiveMinutes); });
  auto third =
      std::async(std::launch::async, [&] { return runCpuWorker(3, flags, threads, kFiveMinutes); });
  EXPECT_FALSE(endsWithin(first, 50ms));
  flags.onPower.store(true);
  ASSERT_TRUE(endsWithin(first, 1000ms));
  ASSERT_TRUE(endsWithin(third, 1000ms));
  EXPECT_GT(first.get(), 1u);
  EXPECT_GT(third.get(), 1u);
}

TEST_F(LoadWorkersTest, CpuWorkersLeaveAtTheirOwnEndTime) {
  auto worker =
      std::async(std::launch::async, [&] { return runCpuWorker(2, flags, threads, kFiveMinutes); });
  EXPECT_FALSE(endsWithin(worker, 50ms));
  threads.setNow(46023.5 + kFiveMinutes);
  EXPECT_TRUE(endsWithin(worker, 1000ms));
}

TEST_F(LoadWorkersTest, WorkersTwoToFourAlsoLeaveWhenTheProcessStops) {
  auto second =
      std::async(std::launch::async, [&] { return runCpuWorker(2, flags, threads, kFiveMinutes); });
  auto fourth =
      std::async(std::launch::async, [&] { return runCpuWorker(4, flags, threads, kFiveMinutes); });
  EXPECT_FALSE(endsWithin(second, 50ms));
  flags.running.store(false);  // their own flags stay set
  EXPECT_TRUE(endsWithin(second, 1000ms));
  EXPECT_TRUE(endsWithin(fourth, 1000ms));
}

TEST_F(LoadWorkersTest, AWorkerLeavesWhenItsOwnFlagIsCleared) {
  auto third =
      std::async(std::launch::async, [&] { return runCpuWorker(3, flags, threads, kFiveMinutes); });
  auto second =
      std::async(std::launch::async, [&] { return runCpuWorker(2, flags, threads, kFiveMinutes); });
  flags.keepRunningFlag(3).store(false);
  EXPECT_TRUE(endsWithin(third, 1000ms));
  EXPECT_FALSE(endsWithin(second, 50ms));  // worker 2 carries on
  flags.keepRunningFlag(2).store(false);
  EXPECT_TRUE(endsWithin(second, 1000ms));
}

TEST_F(LoadWorkersTest, TheDiscWorkerLeavesOnExternalPowerAndRemovesItsFiles) {
  const voltaro::testing::TemporaryFolder temporary;
  const DiscActivityFiles files(temporary.file("disc") + "/");
  ASSERT_TRUE(files.createFolder());
  auto worker = std::async(std::launch::async,
                           [&] { return runDiscWorker(flags, threads, kFiveMinutes, 100, files); });
  const auto deadline = std::chrono::steady_clock::now() + 2s;
  while (fs::is_empty(files.folder()) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_FALSE(fs::is_empty(files.folder()));
  flags.onPower.store(true);
  ASSERT_TRUE(endsWithin(worker, 1000ms));
  EXPECT_TRUE(worker.get());
  EXPECT_TRUE(fs::is_empty(files.folder()));
}

}  // namespace
}  // namespace voltaro::fastdischarge
