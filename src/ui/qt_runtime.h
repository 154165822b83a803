// The runtime port on Qt's event loop: QTimer for the timers, the event
// dispatcher for the message pump, and the wall clock.
#pragma once

#include <QElapsedTimer>

#include "platform/runtime.h"

namespace voltaro::ui {

class QtRuntime final : public platform::Runtime {
 public:
  QtRuntime();
  DayTime now() const override;
  std::uint32_t tickCount() const override;
  std::unique_ptr<platform::Timer> createTimer() override;
  void processMessages() override;
  void sleep(std::uint32_t milliseconds) override;
  void waitForEvents(std::uint32_t milliseconds) override;

 private:
  QElapsedTimer elapsed_;
};

}  // namespace voltaro::ui
