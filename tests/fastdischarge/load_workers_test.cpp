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
  threads.setNow(46023.5 + kFiveMinutes + 1.0 / kSecondsPerDay);
  EXPECT_TRUE(endsWithin(worker, 1000ms));
}

// The real steady clock, counting its reads.
class CountingClock : public fakes::FakeWorkerThreads {
 public:
  CountingClock() : FakeWorkerThreads(0) {}
  std::int64_t steadyNanoseconds() const override {
    ++reads;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  mutable std::atomic<std::uint64_t> reads{0};
};

TEST_F(LoadWorkersTest, TheEndCheckReadsTheClockOnlyEveryFewMilliseconds) {
  CountingClock clock;
  const auto started = std::chrono::steady_clock::now();
  // A 50 ms run that ends by its own end check.
  const std::uint64_t rounds = runCpuWorker(1, flags, clock, 0.05 / kSecondsPerDay);
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - started)
                           .count();
  EXPECT_GE(elapsed, 50);
  // One read at the start, at most 20 while the stride doubles from 1 to
  // its top, and then at most one every 2 ms.
  EXPECT_LE(clock.reads.load(), 21u + static_cast<std::uint64_t>(elapsed) / 2 + 1);
  EXPECT_GT(rounds, 100u * clock.reads.load());
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
