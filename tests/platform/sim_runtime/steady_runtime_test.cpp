#include "platform/sim/steady_runtime.h"

#include <gtest/gtest.h>

namespace voltaro::platform::sim {
namespace {

// Real time, but no timing goal: only that time moves and due work runs.
TEST(SteadyRuntime, TimersAndPostedEventsRunOnTheRealClock) {
  SteadyRuntime runtime;
  auto timer = runtime.createTimer();
  int runs = 0;
  bool posted = false;
  timer->setInterval(10);
  timer->setHandler([&] { ++runs; });
  timer->setEnabled(true);
  runtime.postAfter(20, [&] { posted = true; });
  const std::uint32_t before = runtime.tickCount();
  runtime.runFor(60);
  EXPECT_GE(runtime.tickCount() - before, 60u);
  EXPECT_GE(runs, 1);
  EXPECT_TRUE(posted);
  const int seen = runs;
  runtime.sleep(30);  // a sleep runs nothing
  EXPECT_EQ(runs, seen);
  delay(runtime, 25);
  EXPECT_GT(runs, seen);
}

}  // namespace
}  // namespace voltaro::platform::sim
