// Dates and times as the log files write them.
#pragma once

#include <string>

#include "common/day_number.h"

namespace voltaro::logs {

struct LogStamp {
  std::string date;  // short date, "d/M/yyyy": 1/3/2026 is the first of March
  std::string time;  // long time, "h:mm:ss" on a 24-hour clock: 8:05:09, 17:45:00
};

// The one place that decides how the logs write a local date-time. The
// format is fixed rather than taken from the user's regional settings, so a
// log reads the same on every system; the hour has no leading zero.
LogStamp logStamp(DayTime when);

}  // namespace voltaro::logs
