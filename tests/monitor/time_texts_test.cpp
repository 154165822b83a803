#include "monitor/time_texts.h"

#include <gtest/gtest.h>

namespace voltaro::monitor {
namespace {

TEST(TimeTexts, HmWritesHoursOnlyFromOneHour) {
  EXPECT_EQ(hm(0), "0 m");
  EXPECT_EQ(hm(59), "59 m");
  EXPECT_EQ(hm(60), "1 h 0 m");
  EXPECT_EQ(hm(95), "1 h 35 m");
  EXPECT_EQ(hm(5400 / 60), "1 h 30 m");
  EXPECT_EQ(hm(4294967295u), "71582788 h 15 m");
}

TEST(TimeTexts, NicehmPadsMinutesToTwoDigits) {
  EXPECT_EQ(nicehm(0), "0:00");
  EXPECT_EQ(nicehm(59), "0:00");
  EXPECT_EQ(nicehm(540), "0:09");
  EXPECT_EQ(nicehm(600), "0:10");
  EXPECT_EQ(nicehm(3600), "1:00");
  EXPECT_EQ(nicehm(5400), "1:30");
  EXPECT_EQ(nicehm(36000 + 3599), "10:59");
}

TEST(TimeTexts, HrminAndMinsec) {
  EXPECT_EQ(hrmin(0), "0 min");
  EXPECT_EQ(hrmin(3599), "59 min");
  EXPECT_EQ(hrmin(3900), "1 hr 5 min");
  EXPECT_EQ(hrmin(7260), "2 hr 1 min");
  EXPECT_EQ(minsec(0), "0 sec");
  EXPECT_EQ(minsec(59), "59 sec");
  EXPECT_EQ(minsec(61), "1 min 1 sec");
  EXPECT_EQ(minsec(3600), "60 min 0 sec");
}

}  // namespace
}  // namespace voltaro::monitor
