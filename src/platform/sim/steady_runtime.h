// A runtime on the real clock without a window system: the timer queue of
// the virtual runtime, kept level with std::chrono::steady_clock, and real
// sleeps while nothing is due. For command-line tools that run the
// monitoring cycle in real time (voltaroctl watch).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/runtime.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::platform::sim {

class SteadyRuntime : public Runtime {
 public:
  SteadyRuntime();

  DayTime now() const override;  // local wall-clock time
  std::uint32_t tickCount() const override;
  std::unique_ptr<Timer> createTimer() override;
  void processMessages() override;
  void sleep(std::uint32_t milliseconds) override;
  void waitForEvents(std::uint32_t milliseconds) override;

  // Runs the message loop for `milliseconds` of real time.
  void runFor(std::uint64_t milliseconds);
  // Queues a one-shot event `milliseconds` from now.
  void postAfter(std::uint64_t milliseconds, std::function<void()> event);

 private:
  class SteadyTimer;
  std::uint64_t realElapsed() const;
  // Moves the queue's time up to the real elapsed time (never back).
  void catchUp();

  std::chrono::steady_clock::time_point start_;
  VirtualRuntime queue_;
};

}  // namespace voltaro::platform::sim
