// Services for the program's own worker threads (the fast-discharge loads):
// a steady clock that any thread may read, and the raise of the calling
// thread's scheduling priority.
//
// Backends: PosixWorkerThreads (linux_threads/, setpriority on the thread),
// Win32WorkerThreads (windows/), FakeWorkerThreads (tests/fakes/, a settable
// clock and a count of raises).
#pragma once

#include <cmath>
#include <cstdint>

#include "common/day_number.h"

namespace voltaro::platform {

class WorkerThreads {
 public:
  virtual ~WorkerThreads() = default;

  // A steady clock in nanoseconds from an arbitrary origin. It never jumps
  // with clock adjustments or time-zone changes, takes no lock, and may be
  // read from any thread at any time, unlike the runtime's clock, which
  // belongs to the program's thread.
  virtual std::int64_t steadyNanoseconds() const = 0;

  // Raises the calling thread to the highest normal priority
  // (THREAD_PRIORITY_HIGHEST; on Linux a nice value two below the process's).
  // False when the system refuses; the thread then runs at its priority.
  virtual bool raiseCurrentThreadPriority() = 0;
};

// A length of time in days (minutes / 1440) in the steady clock's units.
inline std::int64_t steadyNanosecondsOf(double days) {
  return std::llround(days * kSecondsPerDay * 1e9);
}

}  // namespace voltaro::platform
