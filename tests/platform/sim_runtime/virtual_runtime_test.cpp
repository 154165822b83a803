// The virtual-time runtime: timer rhythm, nested message loops, waits and
// posted events.
#include "platform/sim/virtual_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_power_events.h"

namespace voltaro::platform::sim {
namespace {

TEST(VirtualRuntime, TimerFiresOncePerIntervalAndEnableRestartsTheInterval) {
  VirtualRuntime runtime;
  auto timer = runtime.createTimer();
  std::vector<std::uint64_t> firedAt;
  timer->setInterval(1000);
  timer->setHandler([&] { firedAt.push_back(runtime.elapsedMilliseconds()); });
  timer->setEnabled(true);
  runtime.advance(3500);
  EXPECT_EQ(firedAt, (std::vector<std::uint64_t>{1000, 2000, 3000}));

  // Re-enabling at 3500 starts a fresh interval: next run at 4500, not 4000.
  timer->setEnabled(false);
  timer->setEnabled(true);
  runtime.advance(1200);
  EXPECT_EQ(firedAt.back(), 4500u);
  EXPECT_EQ(firedAt.size(), 4u);

  timer->setEnabled(false);
  runtime.advance(10000);
  EXPECT_EQ(firedAt.size(), 4u);
}

TEST(VirtualRuntime, ClockAndTickCountFollowVirtualTime) {
  VirtualRuntime runtime(45000.5, 0xFFFFFF00u);
  runtime.advance(3600u * 1000u);
  EXPECT_DOUBLE_EQ(runtime.now(), 45000.5 + 1.0 / 24.0);
  // 0xFFFFFF00 + 3,600,000 wraps past 2^32.
  EXPECT_EQ(runtime.tickCount(), static_cast<std::uint32_t>(0xFFFFFF00u + 3600000u));
  runtime.setStart(46000.0);
  EXPECT_DOUBLE_EQ(runtime.now(), 46000.0 + 1.0 / 24.0);
}

TEST(VirtualRuntime, NestedLoopRunsOtherTimersButNotTheSameDueTimeTwice) {
  VirtualRuntime runtime;
  auto tick = runtime.createTimer();
  auto fast = runtime.createTimer();
  std::vector<std::string> log;
  int depth = 0;
  tick->setInterval(1000);
  fast->setInterval(250);
  tick->setHandler([&] {
    log.push_back("tick@" + std::to_string(runtime.elapsedMilliseconds()) + " depth " +
                  std::to_string(depth));
    if (depth++ == 0) delay(runtime, 1500);  // a long wait inside the handler
    --depth;
  });
  fast->setHandler([&] { log.push_back("fast@" + std::to_string(runtime.elapsedMilliseconds())); });
  tick->setEnabled(true);
  fast->setEnabled(true);
  runtime.advance(4000);
  // At 1000 the tick waits until 2500: the fast timer runs inside, the tick
  // itself re-enters once at 2000 (its next due time), not again at 1000.
  const std::vector<std::string> expected = {
      "fast@250",  "fast@500",  "fast@750",  "tick@1000 depth 0", "fast@1000",
      "fast@1250", "fast@1500", "fast@1750", "tick@2000 depth 1", "fast@2000",
      "fast@2250", "fast@2500", "fast@2750", "tick@3000 depth 0"};
  ASSERT_GE(log.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + expected.size()), expected);
}

TEST(VirtualRuntime, SleepMovesTimeWithoutRunningHandlersAndALateTimerFiresOnce) {
  VirtualRuntime runtime;
  auto timer = runtime.createTimer();
  int runs = 0;
  timer->setInterval(1000);
  timer->setHandler([&] { ++runs; });
  timer->setEnabled(true);
  runtime.sleep(3500);
  EXPECT_EQ(runs, 0);
  runtime.processMessages();
  EXPECT_EQ(runs, 1);  // three intervals missed, one run
  runtime.advance(999);
  EXPECT_EQ(runs, 1);
  runtime.advance(1);
  EXPECT_EQ(runs, 2);  // next run one interval after the late one
}

TEST(VirtualRuntime, WaitForEventsStopsAtTheNextDueEventOrTheLimit) {
  VirtualRuntime runtime;
  runtime.waitForEvents(700);
  EXPECT_EQ(runtime.elapsedMilliseconds(), 700u);
  bool ran = false;
  runtime.postAfter(200, [&] { ran = true; });
  runtime.waitForEvents(5000);
  EXPECT_EQ(runtime.elapsedMilliseconds(), 900u);
  EXPECT_FALSE(ran);  // waiting runs nothing
  runtime.waitForEvents(5000);
  EXPECT_EQ(runtime.elapsedMilliseconds(), 900u);  // already due: no wait
  runtime.processMessages();
  EXPECT_TRUE(ran);
}

TEST(VirtualRuntime, DelayWaitsTheTickCountAndServesMessages) {
  VirtualRuntime runtime(VirtualRuntime::kDefaultStart, 0xFFFFFFF0u);
  int served = 0;
  runtime.postAfter(30, [&] { ++served; });
  runtime.postAfter(250, [&] { ++served; });
  delay(runtime, 100);  // across the tick-count wrap
  EXPECT_EQ(runtime.elapsedMilliseconds(), 100u);
  EXPECT_EQ(served, 1);
}

TEST(VirtualRuntime, PostedEventsRunAtTheirTimeInPostingOrder) {
  VirtualRuntime runtime;
  SimPowerEvents power;
  std::vector<std::pair<std::uint64_t, PowerEvent>> seen;
  power.setHandler([&](PowerEvent e) { seen.emplace_back(runtime.elapsedMilliseconds(), e); });
  runtime.postAt(5000, [&] { power.fire(PowerEvent::Suspend); });
  runtime.postAt(5000, [&] { power.fire(PowerEvent::ResumeSuspend); });
  runtime.postAt(2000, [&] { power.fire(PowerEvent::Standby); });
  runtime.advance(4999);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], std::make_pair(std::uint64_t{2000}, PowerEvent::Standby));
  runtime.advance(1);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[1].second, PowerEvent::Suspend);
  EXPECT_EQ(seen[2].second, PowerEvent::ResumeSuspend);
  EXPECT_FALSE(runtime.nextDue().has_value());
}

TEST(VirtualRuntime, TimerMayDestroyItselfInItsHandlerAndOutliveTheRuntime) {
  std::unique_ptr<Timer> survivor;
  {
    VirtualRuntime runtime;
    std::unique_ptr<Timer> timer = runtime.createTimer();
    int runs = 0;
    timer->setInterval(10);
    timer->setHandler([&] {
      ++runs;
      timer.reset();
    });
    timer->setEnabled(true);
    runtime.advance(100);
    EXPECT_EQ(runs, 1);
    survivor = runtime.createTimer();
  }
  survivor->setEnabled(true);  // the runtime is gone: harmless
  EXPECT_TRUE(survivor->enabled());
}

TEST(VirtualRuntime, AnHourOfSecondTicksRunsAtOnce) {
  VirtualRuntime runtime;
  auto timer = runtime.createTimer();
  int runs = 0;
  timer->setInterval(1000);
  timer->setHandler([&] { ++runs; });
  timer->setEnabled(true);
  runtime.runFor(3600u * 1000u);
  EXPECT_EQ(runs, 3600);
}

}  // namespace
}  // namespace voltaro::platform::sim
