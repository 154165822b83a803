#include "platform/sim/steady_runtime.h"

#include <algorithm>
#include <thread>

namespace voltaro::platform::sim {

// Brings the queue level with the clock before the timer computes its next
// due time, so a timer enabled after a long handler is not due early.
class SteadyRuntime::SteadyTimer : public Timer {
 public:
  SteadyTimer(SteadyRuntime& runtime, std::unique_ptr<Timer> inner)
      : runtime_(runtime), inner_(std::move(inner)) {}
  void setInterval(std::uint32_t milliseconds) override {
    runtime_.catchUp();
    inner_->setInterval(milliseconds);
  }
  std::uint32_t interval() const override { return inner_->interval(); }
  void setEnabled(bool enabled) override {
    runtime_.catchUp();
    inner_->setEnabled(enabled);
  }
  bool enabled() const override { return inner_->enabled(); }
  void setHandler(std::function<void()> handler) override {
    inner_->setHandler(std::move(handler));
  }

 private:
  SteadyRuntime& runtime_;
  std::unique_ptr<Timer> inner_;
};

SteadyRuntime::SteadyRuntime() : start_(std::chrono::steady_clock::now()) {}

DayTime SteadyRuntime::now() const {
  return localDayTime(std::chrono::system_clock::now());
}

std::uint32_t SteadyRuntime::tickCount() const {
  return static_cast<std::uint32_t>(realElapsed());  // wraps like GetTickCount
}

std::uint64_t SteadyRuntime::realElapsed() const {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SteadyRuntime::catchUp() {
  const std::uint64_t real = realElapsed();
  const std::uint64_t queued = queue_.elapsedMilliseconds();
  if (real > queued)
    queue_.sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(real - queued, UINT32_MAX)));
}

std::unique_ptr<Timer> SteadyRuntime::createTimer() {
  return std::make_unique<SteadyTimer>(*this, queue_.createTimer());
}

void SteadyRuntime::processMessages() {
  catchUp();
  queue_.processMessages();
}

void SteadyRuntime::sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  catchUp();
}

void SteadyRuntime::waitForEvents(std::uint32_t milliseconds) {
  catchUp();
  const std::uint64_t nowMs = queue_.elapsedMilliseconds();
  std::uint64_t until = nowMs + milliseconds;
  if (auto next = queue_.nextDue()) until = std::min(until, std::max(*next, nowMs));
  if (until > nowMs) std::this_thread::sleep_for(std::chrono::milliseconds(until - nowMs));
  catchUp();
}

void SteadyRuntime::runFor(std::uint64_t milliseconds) {
  const std::uint64_t deadline = realElapsed() + milliseconds;
  for (;;) {
    processMessages();
    const std::uint64_t real = realElapsed();
    if (real >= deadline) return;
    waitForEvents(static_cast<std::uint32_t>(std::min<std::uint64_t>(deadline - real, 1000)));
  }
}

void SteadyRuntime::postAfter(std::uint64_t milliseconds, std::function<void()> event) {
  catchUp();
  queue_.postAfter(milliseconds, std::move(event));
}

}  // namespace voltaro::platform::sim
