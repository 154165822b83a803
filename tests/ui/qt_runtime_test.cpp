#include "ui/qt_runtime.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace voltaro::ui {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "qt_runtime_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QCoreApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

TEST(QtRuntime, DelayRunsTimersWhileItWaits) {
  QtRuntime runtime;
  auto timer = runtime.createTimer();
  int runs = 0;
  timer->setInterval(20);
  timer->setHandler([&] { ++runs; });
  timer->setEnabled(true);
  const auto start = runtime.tickCount();
  platform::delay(runtime, 130);
  EXPECT_GE(runtime.tickCount() - start, 130u);
  EXPECT_GE(runs, 2);  // at least some of the six intervals were served
  timer->setEnabled(false);
  EXPECT_FALSE(timer->enabled());
  const int stopped = runs;
  platform::delay(runtime, 50);
  EXPECT_EQ(runs, stopped);
}

TEST(QtRuntime, NowIsTodaysDayNumber) {
  QtRuntime runtime;
  // 2020-01-01 is day 43831; any real clock is later than that.
  EXPECT_GT(runtime.now(), 43831.0);
}

}  // namespace
}  // namespace voltaro::ui
