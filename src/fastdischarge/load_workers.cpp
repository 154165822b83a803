#include "fastdischarge/load_workers.h"

#include <chrono>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

namespace voltaro::fastdischarge {

namespace {

constexpr int kSleepBase = 101;  // ms; 100 ms at 1 %, 1 ms at 100 %

// The CPU workers' end check. A round takes nanoseconds, far less than a
// clock read, so the clock is read only every `stride_` rounds; the stride
// doubles while two reads come closer together than kReadInterval. The
// flags are still polled on every round.
class EndCheck {
 public:
  static constexpr std::int64_t kReadInterval = 2'000'000;  // ns
  static constexpr std::uint32_t kMaximumStride = 1u << 20;

  EndCheck(const platform::WorkerThreads& threads, double durationDays)
      : threads_(threads),
        lastRead_(threads.steadyNanoseconds()),
        end_(lastRead_ + platform::steadyNanosecondsOf(durationDays)) {}

  bool timeUp() {
    if (++rounds_ < stride_) return false;
    rounds_ = 0;
    const std::int64_t now = threads_.steadyNanoseconds();
    if (now - lastRead_ < kReadInterval && stride_ < kMaximumStride) stride_ *= 2;
    lastRead_ = now;
    return now >= end_;
  }

 private:
  const platform::WorkerThreads& threads_;
  std::int64_t lastRead_;
  std::int64_t end_;
  std::uint32_t stride_ = 1;
  std::uint32_t rounds_ = 0;
};

}  // namespace

std::uint64_t runCpuWorker(int worker, const WorkerFlags& flags, platform::WorkerThreads& threads,
                           double durationDays) {
  EndCheck endCheck(threads, durationDays);
  const std::atomic<bool>& keepRunning = flags.keepRunningFlag(worker);
  std::uint32_t x = 1;
  std::uint64_t rounds = 0;
  do {
    // Pure processor work; the volatile store keeps the optimiser from
    // dropping it.
    volatile double discarded = std::round(std::fabs(std::trunc(std::sqrt(double(x)))));
    (void)discarded;
    ++rounds;
    if (endCheck.timeUp() || flags.onPower.load()) break;
    if (worker > 1 && !flags.running.load()) break;
    x = x >= kCpuCounterTop ? 1 : x + 1;
  } while (keepRunning.load());
  return rounds;
}

bool runDiscWorker(const WorkerFlags& flags, platform::WorkerThreads& threads, double durationDays,
                   int discPercent, const DiscActivityFiles& files) {
  const std::int64_t end =
      threads.steadyNanoseconds() + platform::steadyNanosecondsOf(durationDays);
  std::mt19937 generator(std::random_device{}());
  std::uniform_int_distribution<int> pick(0, kDiscFileCount - 1);
  std::uniform_int_distribution<int> value(0, 255);
  std::vector<char> bytes(kDiscFileBytes);
  const auto pause = std::chrono::milliseconds(kSleepBase - discPercent);
  do {
    const int number = pick(generator);
    for (char& b : bytes) b = static_cast<char>(value(generator));
    if (!files.write(number, bytes)) return false;
    std::this_thread::sleep_for(pause);
  } while (threads.steadyNanoseconds() < end && !flags.onPower.load() && flags.running.load());
  files.removeAll();
  return true;
}

}  // namespace voltaro::fastdischarge
