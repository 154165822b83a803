#include "logs/log_stamp.h"

#include <cstdio>

namespace voltaro::logs {

LogStamp logStamp(DayTime when) {
  const CivilDateTime civil = fromDayTime(when);
  char date[48];
  char time[48];
  std::snprintf(date, sizeof date, "%d/%d/%04d", civil.day, civil.month, civil.year);
  std::snprintf(time, sizeof time, "%d:%02d:%02d", civil.hour, civil.minute, civil.second);
  return {date, time};
}

}  // namespace voltaro::logs
