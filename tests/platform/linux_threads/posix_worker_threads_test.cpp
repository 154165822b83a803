// The Linux worker-thread services: the clock agrees with the steady clock,
// and a raise lowers the calling thread's nice value by two or, when the
// system refuses, leaves it alone. Other threads keep theirs.
#include "platform/linux_threads/posix_worker_threads.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace voltaro::platform::linux_threads {
namespace {

int niceOfThisThread() {
  errno = 0;
  return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)));
}

std::int64_t steadyNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

TEST(PosixWorkerThreadsTest, TheClockIsTheSteadyClockInNanoseconds) {
  PosixWorkerThreads threads;
  const std::int64_t before = steadyNow();
  const std::int64_t now = threads.steadyNanoseconds();
  const std::int64_t after = steadyNow();
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
}

TEST(PosixWorkerThreadsTest, ARaiseChangesOnlyTheCallingThread) {
  PosixWorkerThreads threads;
  const int mainBefore = niceOfThisThread();
  int before = 0;
  int after = 0;
  bool granted = false;
  std::thread worker([&] {
    before = niceOfThisThread();
    granted = threads.raiseCurrentThreadPriority();
    after = niceOfThisThread();
  });
  worker.join();
  if (granted) {
    EXPECT_EQ(after, before - 2);
  } else {
    EXPECT_EQ(after, before);
  }
  EXPECT_EQ(niceOfThisThread(), mainBefore);
}

}  // namespace
}  // namespace voltaro::platform::linux_threads
