#include "common/day_number.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace voltaro {
namespace {

CivilDateTime civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  CivilDateTime c;
  c.year = y;
  c.month = mo;
  c.day = d;
  c.hour = h;
  c.minute = mi;
  c.second = s;
  c.millisecond = ms;
  return c;
}

TEST(DayNumber, KnownDates) {
  EXPECT_DOUBLE_EQ(toDayTime(civil(1899, 12, 30)), 0.0);
  EXPECT_DOUBLE_EQ(toDayTime(civil(1900, 1, 1)), 2.0);
  EXPECT_DOUBLE_EQ(toDayTime(civil(1970, 1, 1)), 25569.0);
  EXPECT_DOUBLE_EQ(toDayTime(civil(2000, 3, 1)), 36586.0);  // after a leap day of a century
  EXPECT_DOUBLE_EQ(toDayTime(civil(1899, 12, 29)), -1.0);
}

TEST(DayNumber, TimeOfDayIsTheFraction) {
  EXPECT_DOUBLE_EQ(toDayTime(civil(1899, 12, 30, 12)), 0.5);
  EXPECT_DOUBLE_EQ(toDayTime(civil(1899, 12, 31, 6)), 1.25);
  EXPECT_DOUBLE_EQ(secondsOfDay(1.25), 21600.0);
  EXPECT_EQ(dayNumber(36586.75), 36586);
  EXPECT_EQ(dayNumber(-0.25), -1);
}

TEST(DayNumber, RoundTripToTheMillisecond) {
  const CivilDateTime in = civil(2024, 2, 29, 23, 59, 59, 999);
  const CivilDateTime out = fromDayTime(toDayTime(in));
  EXPECT_EQ(out.year, 2024);
  EXPECT_EQ(out.month, 2);
  EXPECT_EQ(out.day, 29);
  EXPECT_EQ(out.hour, 23);
  EXPECT_EQ(out.minute, 59);
  EXPECT_EQ(out.second, 59);
  EXPECT_EQ(out.millisecond, 999);
}

#ifndef _WIN32
// Sets TZ, which only POSIX C libraries read this way.
TEST(DayNumber, LocalTimeFollowsTheTimeZone) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  // 2001-09-09 01:46:40 UTC is 1e9 seconds after 1970-01-01.
  const auto when = std::chrono::system_clock::time_point(std::chrono::seconds(1000000000));
  const CivilDateTime utc = fromDayTime(localDayTime(when));
  EXPECT_EQ(utc.day, 9);
  EXPECT_EQ(utc.hour, 1);
  EXPECT_EQ(utc.minute, 46);
  EXPECT_EQ(utc.second, 40);

  ::setenv("TZ", "XYZ-3", 1);  // three hours east of UTC
  ::tzset();
  EXPECT_EQ(fromDayTime(localDayTime(when)).hour, 4);
  ::unsetenv("TZ");
  ::tzset();
}
#endif

}  // namespace
}  // namespace voltaro
