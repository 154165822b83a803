// The process priority on Linux: the nice value the kernel allows in place
// of a refused one, and a change that reaches every thread of the process.
#include "platform/linux/process_priority.h"

#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>

namespace voltaro::platform {
namespace {

TEST(ProcessPriorityTest, TheNearestNiceValueTheKernelAllows) {
  // No allowance: a thread may only move up from where it is.
  EXPECT_EQ(allowedNice(0, 19, 0), 19);
  EXPECT_EQ(allowedNice(-10, 0, 0), 0);
  // An allowance of 20 reaches nice 0, of 25 nice -5.
  EXPECT_EQ(allowedNice(-10, 19, 20), 0);
  EXPECT_EQ(allowedNice(-20, 10, 25), -5);
  // Unlimited: anything, within the nice range.
  EXPECT_EQ(allowedNice(-20, 19, RLIM_INFINITY), -20);
  EXPECT_EQ(allowedNice(-30, 0, RLIM_INFINITY), -20);
}

int niceOf(pid_t thread) {
  errno = 0;
  return getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
}

TEST(ProcessPriorityTest, EveryThreadTakesTheNiceValueOrTheNearestAllowed) {
  std::atomic<pid_t> other{0};
  std::atomic<bool> done{false};
  std::thread worker([&] {
    other = static_cast<pid_t>(::syscall(SYS_gettid));
    while (!done) std::this_thread::yield();
  });
  while (other == 0) std::this_thread::yield();
  const pid_t self = static_cast<pid_t>(::syscall(SYS_gettid));

  // Lowering the priority is always allowed.
  EXPECT_TRUE(setProcessNice(19));
  EXPECT_EQ(niceOf(self), 19);
  EXPECT_EQ(niceOf(other), 19);

  // Back to normal: granted with the rights to raise, else refused with
  // every thread left where the kernel allows.
  rlimit limit{};
  getrlimit(RLIMIT_NICE, &limit);
  const bool granted = setProcessNice(0);
  const int expected = granted ? 0 : allowedNice(0, 19, limit.rlim_cur);
  EXPECT_EQ(niceOf(self), expected);
  EXPECT_EQ(niceOf(other), expected);
  if (limit.rlim_cur >= 20) {
    EXPECT_TRUE(granted);
  }
  done = true;
  worker.join();
}

}  // namespace
}  // namespace voltaro::platform
