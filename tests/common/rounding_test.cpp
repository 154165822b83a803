#include "common/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace voltaro {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(87.5), 88);
  EXPECT_EQ(roundHalfEven(86.5), 86);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest) {
  EXPECT_EQ(roundHalfEven(86.49), 86);
  EXPECT_EQ(roundHalfEven(86.51), 87);
  EXPECT_EQ(roundHalfEven(-0.6), -1);
  EXPECT_EQ(roundHalfEven(-0.4), 0);
}

TEST(RoundHalfEven, NonFiniteValuesAreClamped) {
  EXPECT_EQ(roundHalfEven(std::nan("")), 0);
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
}

TEST(TruncateTowardZero, DropsTheFraction) {
  EXPECT_EQ(truncateTowardZero(87.9), 87);
  EXPECT_EQ(truncateTowardZero(-87.9), -87);
  EXPECT_EQ(truncateTowardZero(0.99), 0);
}

}  // namespace
}  // namespace voltaro
