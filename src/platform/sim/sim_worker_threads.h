// The clock of the fast-discharge workers in a simulation: it follows the
// virtual clock, which the simulation's loop hands on after each step.
#pragma once

#include <atomic>

#include "platform/threads.h"

namespace voltaro::platform::sim {

class SimWorkerThreads : public WorkerThreads {
 public:
  // The steady clock follows the virtual date-time.
  std::int64_t steadyNanoseconds() const override {
    return platform::steadyNanosecondsOf(now_.load());
  }
  bool raiseCurrentThreadPriority() override {
    ++raises;
    return true;
  }
  void setNow(DayTime value) { now_.store(value); }

  std::atomic<int> raises{0};

 private:
  std::atomic<DayTime> now_{0};
};

}  // namespace voltaro::platform::sim
