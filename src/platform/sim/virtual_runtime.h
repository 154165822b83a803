// A runtime on virtual time for tests and simulations.
//
// Time moves only when the caller says so (advance, sleep, waitForEvents), so
// an hour of one-second ticks runs in milliseconds and every run is exactly
// repeatable. Timers behave as on a real message loop: a due timer fires once
// per processMessages, it is rescheduled before its handler runs (a nested
// message loop inside the handler does not fire it again for the same due
// time), and a timer that fell behind fires once, not once per missed interval.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/runtime.h"

namespace voltaro::platform::sim {

class VirtualRuntime : public Runtime {
 public:
  // `start` is the local date-time at elapsed 0; `startTickCount` lets a test
  // place the 32-bit tick count just before its wrap.
  explicit VirtualRuntime(DayTime start = kDefaultStart, std::uint32_t startTickCount = 0);
  ~VirtualRuntime() override;

  DayTime now() const override;
  std::uint32_t tickCount() const override;
  std::unique_ptr<Timer> createTimer() override;
  void processMessages() override;
  void sleep(std::uint32_t milliseconds) override;
  void waitForEvents(std::uint32_t milliseconds) override;

  // Runs the message loop for `milliseconds` of virtual time: every timer and
  // posted event due in that span runs at its own time, in order.
  void advance(std::uint64_t milliseconds);
  void runFor(std::uint64_t milliseconds) { advance(milliseconds); }

  // Queues a one-shot event at an elapsed time (milliseconds since elapsed 0)
  // or after a delay from now; it runs from processMessages like a posted
  // window message. Events due at the same time run in posting order.
  void postAt(std::uint64_t elapsedMilliseconds, std::function<void()> event);
  void postAfter(std::uint64_t milliseconds, std::function<void()> event);

  // Moves the date-time of elapsed 0 (the clock is set, no timer moves).
  void setStart(DayTime start) { start_ = start; }
  std::uint64_t elapsedMilliseconds() const;
  // Due time of the earliest pending timer or event, if any.
  std::optional<std::uint64_t> nextDue() const;

  // 1 January 2026, 08:00 local time.
  static constexpr DayTime kDefaultStart = 46023.0 + 8.0 / 24.0;

  // Shared with the timers, which may outlive the runtime.
  struct State;

 private:
  class VirtualTimer;
  // Fires the earliest item due at or before now; false when none is due.
  bool fireOne();

  DayTime start_;
  std::uint32_t startTickCount_;
  std::shared_ptr<State> state_;
};

}  // namespace voltaro::platform::sim
