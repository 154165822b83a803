#include "platform/sim/sim_system_times.h"

#include <gtest/gtest.h>

namespace voltaro::platform::sim {
namespace {

TEST(SimSystemTimes, ScriptThenSteadyLoadFromTheLastScriptedSample) {
  SimSystemTimes times(4);
  EXPECT_EQ(times.processorCount(), 4u);
  times.push(SystemTimesSample{100, 300, 50});
  times.push(std::nullopt);
  times.setSteadyLoad(25, 1000);
  EXPECT_EQ(times.sample(), (SystemTimesSample{100, 300, 50}));
  EXPECT_EQ(times.sample(), std::nullopt);
  // 1000 units, 250 busy: idle +750, kernel +1000.
  EXPECT_EQ(times.sample(), (SystemTimesSample{850, 1300, 50}));
  EXPECT_EQ(times.readCount(), 3);
}

}  // namespace
}  // namespace voltaro::platform::sim
