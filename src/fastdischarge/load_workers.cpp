#include "fastdischarge/load_workers.h"

#include <chrono>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

namespace voltaro::fastdischarge {

namespace {
constexpr int kSleepBase = 101;  // ms; 100 ms at 1 %, 1 ms at 100 %
}  // namespace

std::uint64_t runCpuWorker(int worker, const WorkerFlags& flags, platform::WorkerThreads& threads,
                           double durationDays) {
  const DayTime end = threads.now() + durationDays;
  const std::atomic<bool>& keepRunning = flags.keepRunningFlag(worker);
  std::uint32_t x = 1;
  std::uint64_t rounds = 0;
  do {
    // Pure processor work; the volatile store keeps the optimiser from
    // dropping it.
    volatile double discarded = std::round(std::fabs(std::trunc(std::sqrt(double(x)))));
    (void)discarded;
    ++rounds;
    if (threads.now() >= end || flags.onPower.load()) break;
    if (worker > 1 && !flags.running.load()) break;
    x = x >= kCpuCounterTop ? 1 : x + 1;
  } while (keepRunning.load());
  return rounds;
}

bool runDiscWorker(const WorkerFlags& flags, platform::WorkerThreads& threads, double durationDays,
                   int discPercent, const DiscActivityFiles& files) {
  const DayTime end = threads.now() + durationDays;
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
  } while (threads.now() < end && !flags.onPower.load() && flags.running.load());
  files.removeAll();
  return true;
}

}  // namespace voltaro::fastdischarge
