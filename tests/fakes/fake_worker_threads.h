// Worker-thread services for tests: a clock the test sets (safe to read from
// the workers) and a count of the priority raises asked for.
#pragma once

#include <atomic>

#include "platform/threads.h"

namespace voltaro::fakes {

class FakeWorkerThreads : public platform::WorkerThreads {
 public:
  explicit FakeWorkerThreads(DayTime start) : now_(start) {}

  // The steady clock follows the date-time the test sets.
  std::int64_t steadyNanoseconds() const override {
    return platform::steadyNanosecondsOf(now_.load());
  }
  bool raiseCurrentThreadPriority() override {
    ++raises;
    return raiseGranted.load();
  }

  void setNow(DayTime value) { now_.store(value); }

  std::atomic<int> raises{0};
  std::atomic<bool> raiseGranted{true};

 private:
  std::atomic<DayTime> now_;
};

}  // namespace voltaro::fakes
