// Date-time values as days since 30 December 1899, time of day as the fraction.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace voltaro {

using DayTime = double;  // days since 1899-12-30 00:00 local time

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinutesPerDay = 1440.0;

struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Exact conversion between civil date-times and day numbers (proleptic
// Gregorian calendar, no time zone involved).
DayTime toDayTime(const CivilDateTime& civil);
CivilDateTime fromDayTime(DayTime value);

// Local wall-clock time of a system time point, as a day number.
DayTime localDayTime(std::chrono::system_clock::time_point when);

// Whole day number (floor) and time of day in seconds [0, 86400).
std::int32_t dayNumber(DayTime value);
double secondsOfDay(DayTime value);

}  // namespace voltaro
