#include "ui/qt_runtime.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace voltaro::ui {

namespace {

class QtTimer final : public platform::Timer {
 public:
  QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (handler_) handler_();
    });
  }
  void setInterval(std::uint32_t milliseconds) override {
    timer_.setInterval(static_cast<int>(milliseconds));
  }
  std::uint32_t interval() const override { return static_cast<std::uint32_t>(timer_.interval()); }
  void setEnabled(bool enabled) override {
    if (enabled) {
      timer_.start();
    } else {
      timer_.stop();
    }
  }
  bool enabled() const override { return timer_.isActive(); }
  void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

// Longest single wait, so a pump loop notices input and timers promptly.
constexpr std::uint32_t kLongestWaitMilliseconds = 10;

}  // namespace

QtRuntime::QtRuntime() {
  elapsed_.start();
}

DayTime QtRuntime::now() const {
  return localDayTime(std::chrono::system_clock::now());
}

std::uint32_t QtRuntime::tickCount() const {
  return static_cast<std::uint32_t>(elapsed_.elapsed());
}

std::unique_ptr<platform::Timer> QtRuntime::createTimer() {
  return std::make_unique<QtTimer>();
}

void QtRuntime::processMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtRuntime::sleep(std::uint32_t milliseconds) {
  QThread::msleep(milliseconds);
}

void QtRuntime::waitForEvents(std::uint32_t milliseconds) {
  QThread::msleep(std::min(milliseconds, kLongestWaitMilliseconds));
}

}  // namespace voltaro::ui
