#include "app/calibrate_steps.h"

#include <gtest/gtest.h>

namespace voltaro::app {
namespace {

TEST(Duration, StepsByOneUpToTenAndByFiveAbove) {
  EXPECT_EQ(durationDown(1), 1);
  EXPECT_EQ(durationDown(2), 1);
  EXPECT_EQ(durationDown(10), 9);
  EXPECT_EQ(durationDown(15), 10);
  EXPECT_EQ(durationDown(200), 195);
  EXPECT_EQ(durationUp(1), 2);
  EXPECT_EQ(durationUp(9), 10);
  EXPECT_EQ(durationUp(10), 15);
  EXPECT_EQ(durationUp(195), 200);
  EXPECT_EQ(durationUp(200), 200);
  // Walking up from 5 and back down returns to 5.
  std::int32_t m = 5;
  for (int i = 0; i < 10; ++i) m = durationUp(m);
  EXPECT_EQ(m, 35);  // 6 7 8 9 10 15 20 25 30 35
  for (int i = 0; i < 10; ++i) m = durationDown(m);
  EXPECT_EQ(m, 5);
}

TEST(StepWithin, RefusesBeyondTheRange) {
  EXPECT_EQ(stepWithin(1, -1, 1, 4), std::nullopt);
  EXPECT_EQ(stepWithin(4, 1, 1, 4), std::nullopt);
  EXPECT_EQ(stepWithin(3, 1, 1, 4), 4);
  EXPECT_EQ(stepWithin(100, 1, 1, 100), std::nullopt);
  EXPECT_EQ(stepWithin(2, -1, 1, 100), 1);
}

}  // namespace
}  // namespace voltaro::app
