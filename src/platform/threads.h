// Services for the program's own worker threads (the fast-discharge loads):
// a clock that any thread may read, and the raise of the calling thread's
// scheduling priority.
//
// Backends: PosixWorkerThreads (linux_threads/, setpriority on the thread),
// FakeWorkerThreads (tests/fakes/, a settable clock and a count of raises).
#pragma once

#include "common/day_number.h"

namespace voltaro::platform {

class WorkerThreads {
 public:
  virtual ~WorkerThreads() = default;

  // Local date-time as days since 30 December 1899. Safe to call from any
  // thread at any time, unlike the runtime's clock, which belongs to the
  // program's thread.
  virtual DayTime now() const = 0;

  // Raises the calling thread to the highest normal priority
  // (THREAD_PRIORITY_HIGHEST; on Linux a nice value two below the process's).
  // False when the system refuses; the thread then runs at its priority.
  virtual bool raiseCurrentThreadPriority() = 0;
};

}  // namespace voltaro::platform
