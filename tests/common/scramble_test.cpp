#include "common/scramble.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

TEST(Scramble, LowersOddPositionsByTwoAndEvenByOne) {
  EXPECT_EQ(a2("CCCC"), "ABAB");
  EXPECT_EQ(a2("Xpnucsq"), "Voltaro");
  EXPECT_EQ(a2(""), "");
}

TEST(Scramble, InverseRestoresEveryByte) {
  const std::string all = [] {
    std::string s;
    for (int c = 0; c < 256; ++c) s.push_back(static_cast<char>(c));
    return s;
  }();
  EXPECT_EQ(a2(scrambleForA2(all)), all);
}

TEST(Scramble, FixedTexts) {
  EXPECT_EQ(productTitle(), "Voltaro");
  EXPECT_EQ(makerFolder(), "Keldwick");
  EXPECT_EQ(webHost(), "voltaro.keldwick.example");
}

}  // namespace
}  // namespace voltaro
