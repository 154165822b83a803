// The runtime port: clock, tick count, timers and the message pump.
//
// The program uses QTimer and the Qt event loop through this interface; tests
// use the virtual-time runtime (sim/virtual_runtime.h), where an hour of
// timers runs in milliseconds.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "common/day_number.h"

namespace voltaro::platform {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(std::uint32_t milliseconds) = 0;
  virtual std::uint32_t interval() const = 0;
  // Enabling (re)starts the interval from now; disabling drops a pending run.
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setHandler(std::function<void()> handler) = 0;
};

class Runtime {
 public:
  virtual ~Runtime() = default;
  // Local date-time as days since 30 December 1899.
  virtual DayTime now() const = 0;
  // Milliseconds since an arbitrary start, wrapping at 2^32 like GetTickCount.
  virtual std::uint32_t tickCount() const = 0;
  virtual std::unique_ptr<Timer> createTimer() = 0;
  // Runs the handlers of every timer and event that is due, then returns.
  // Handlers may call processMessages again (nested loops).
  virtual void processMessages() = 0;
  // Blocks without processing messages (Sleep).
  virtual void sleep(std::uint32_t milliseconds) = 0;
  // Waits until an event is due or `milliseconds` have passed, whichever is
  // first, without running handlers; the next processMessages runs them.
  virtual void waitForEvents(std::uint32_t milliseconds) = 0;
};

// Processes messages until the tick count has advanced by `milliseconds`.
void delay(Runtime& runtime, std::uint32_t milliseconds);

}  // namespace voltaro::platform
