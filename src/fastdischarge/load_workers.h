// The bodies of the fast-discharge worker threads and the flags they poll.
//
// Only the program's thread writes the flags; the workers read them on every
// round. Each flag is a lock-free atomic byte, so a write is seen by the
// polling worker without a lock.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "common/day_number.h"
#include "fastdischarge/disc_activity_files.h"
#include "platform/threads.h"

namespace voltaro::fastdischarge {

static_assert(std::atomic<bool>::is_always_lock_free);

inline constexpr int kMaximumCpuWorkers = 4;
// The CPU workers' counter runs from 1 and starts again after this value.
inline constexpr std::uint32_t kCpuCounterTop = 90000000;

struct WorkerFlags {
  // fastDischargeRunning: the process runs; also worker 1's keep-running flag.
  std::atomic<bool> running{false};
  // workerRun2, workerRun3, workerRun4.
  std::array<std::atomic<bool>, kMaximumCpuWorkers - 1> keepRunning{};
  // The status reading's on-power flag, copied by the program's thread.
  std::atomic<bool> onPower{true};

  const std::atomic<bool>& keepRunningFlag(int worker) const {
    return worker == 1 ? running : keepRunning[static_cast<std::size_t>(worker - 2)];
  }
  std::atomic<bool>& keepRunningFlag(int worker) {
    return worker == 1 ? running : keepRunning[static_cast<std::size_t>(worker - 2)];
  }
};

// CPU worker `worker` (1..4): square roots until its own start plus
// `durationDays` has passed on the steady clock, external power is
// connected, its keep-running flag is cleared, or (workers 2 to 4) the
// process stops. Returns the rounds it ran. The clock is read about every
// two milliseconds, not every round, so the workers share nothing but the
// flags and the load grows with their number.
std::uint64_t runCpuWorker(int worker, const WorkerFlags& flags, platform::WorkerThreads& threads,
                           double durationDays);

// The disc worker: writes a random one of the 256 files with random bytes,
// then sleeps 101 - `discPercent` ms, until its time is up, external power
// is connected or the process stops; then deletes the files. Returns false
// when a write failed, which ends the loop at once and leaves the files.
bool runDiscWorker(const WorkerFlags& flags, platform::WorkerThreads& threads, double durationDays,
                   int discPercent, const DiscActivityFiles& files);

}  // namespace voltaro::fastdischarge
