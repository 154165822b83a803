#include "platform/linux_threads/posix_worker_threads.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace voltaro::platform::linux_threads {

namespace {
// THREAD_PRIORITY_HIGHEST is two steps above normal; on Linux each thread
// has its own nice value, and two below the process's is the nearest match.
constexpr int kHighestPriorityNiceSteps = 2;
}  // namespace

std::int64_t PosixWorkerThreads::steadyNanoseconds() const {
  // CLOCK_MONOTONIC through the vDSO: no system call, no lock.
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool PosixWorkerThreads::raiseCurrentThreadPriority() {
  const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
  errno = 0;
  const int current = ::getpriority(PRIO_PROCESS, thread);
  if (current == -1 && errno != 0) return false;
  // Without CAP_SYS_NICE (or an RLIMIT_NICE allowance) the kernel refuses a
  // lower nice value; the worker then simply runs at normal priority.
  return ::setpriority(PRIO_PROCESS, thread, current - kHighestPriorityNiceSteps) == 0;
}

}  // namespace voltaro::platform::linux_threads
