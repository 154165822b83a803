#include "common/text_format.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

TEST(GroupDigits, InsertsCommaOrPeriodBetweenGroupsOfThree) {
  EXPECT_EQ(groupdigits("45000", 1), "45,000");
  EXPECT_EQ(groupdigits("45000", 2), "45.000");
  EXPECT_EQ(groupdigits("1234567", 1), "1,234,567");
  EXPECT_EQ(groupdigits("999", 1), "999");
  EXPECT_EQ(groupdigits("100000", 1), "100,000");
}

TEST(GroupDigits, AnyOtherSettingMeansPeriod) {
  EXPECT_EQ(groupdigits("45000", 3), "45.000");
  EXPECT_EQ(groupdigits("45000", 255), "45.000");
}

TEST(GroupDigits, MinusStaysInFrontWithoutSeparatorAfterIt) {
  EXPECT_EQ(groupdigits("-1234", 1), "-1,234");
  EXPECT_EQ(groupdigits("-123", 1), "-123");
  EXPECT_EQ(groupdigits("-123456", 2), "-123.456");
}

TEST(GroupDigits, AtMostThreeSeparators) {
  EXPECT_EQ(groupdigits("1234567890", 1), "1,234,567,890");
  EXPECT_EQ(groupdigits("1234567890123", 1), "1234,567,890,123");
}

TEST(GroupDigits, EmptyNoneAndUngroupedTexts) {
  EXPECT_EQ(groupdigits("", 1), "0");
  EXPECT_EQ(groupdigits("", 0), "0");
  EXPECT_EQ(groupdigits("None", 1), "None");
  EXPECT_EQ(groupdigits("12.5", 1), "12.5");
  EXPECT_EQ(groupdigits("45000", 0), "45000");
}

TEST(GroupDigits, RegroupStripsTheOldSeparators) {
  EXPECT_EQ(regroupdigits("45,000", 2), "45.000");
  EXPECT_EQ(regroupdigits("-1.234", 1), "-1,234");
  EXPECT_EQ(regroupdigits("1,234,567", 0), "1234567");
}

TEST(WithUnit, AppendsUnitAfterOneBlank) {
  EXPECT_EQ(withunit("12", "%"), "12 %");
  EXPECT_EQ(withunit("None", "%"), "None");
  EXPECT_EQ(withunit("0.00", "V"), "0 V");
  EXPECT_EQ(withunit("0.00", ""), "0");
  EXPECT_EQ(withunit("11.10", ""), "11.10");
}

TEST(FixedText, Decimals) {
  EXPECT_EQ(fixedText(29.95, 2), "29.95");
  EXPECT_EQ(fixedText(3.0, 1), "3.0");
  EXPECT_EQ(fixedText(-0.25, 1), "-0.2");  // the binary value lies exactly on the half
  EXPECT_EQ(fixedText(7.6, 0), "8");
}

}  // namespace
}  // namespace voltaro
