// Dates and times as the log files and reports write them.
#pragma once

#include <string>
#include <string_view>

#include "common/day_number.h"

namespace voltaro::logs {

struct LogStamp {
  std::string date;  // the short date of the regional pattern, "d/M/yyyy" by default
  std::string time;  // long time, "h:mm:ss" on a 24-hour clock: 8:05:09, 17:45:00
};

// A short-date pattern: "d" and "dd" the day, "M" and "MM" the month (the
// doubled forms with a leading zero), "yy" the year's last two digits and
// "yyyy" the full year; text in single quotes ('' for a quote) and every
// other character stand for themselves.
inline constexpr std::string_view kDefaultShortDatePattern = "d/M/yyyy";

// The pattern of every later stamp. The program sets the user's regional
// one once at start, before anything is written; an empty pattern restores
// the default.
void setShortDatePattern(std::string pattern);
const std::string& shortDatePattern();

std::string formatShortDate(const CivilDateTime& date, std::string_view pattern);

// The one place that decides how the logs write a local date-time: the date
// in the short-date pattern, the time with no leading zero on the hour.
LogStamp logStamp(DayTime when);

}  // namespace voltaro::logs
