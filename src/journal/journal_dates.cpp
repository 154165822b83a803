#include "journal/journal_dates.h"

#include <cmath>
#include <cstdio>

namespace voltaro::journal {

namespace {

// Exactly `digits` decimal digits at `at`, or nullopt.
std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

constexpr std::size_t kDateLength = 10;      // yyyy-mm-dd
constexpr std::size_t kDateTimeLength = 19;  // yyyy-mm-dd hh:mm:ss

}  // namespace

std::string isoDate(std::int32_t day) {
  const CivilDateTime civil = fromDayTime(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
  return text;
}

std::optional<std::int32_t> parseIsoDate(std::string_view text) {
  if (text.size() != kDateLength || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = digitsAt(text, 0, 4);
  const auto month = digitsAt(text, 5, 2);
  const auto day = digitsAt(text, 8, 2);
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1) return std::nullopt;
  const CivilDateTime civil{*year, *month, *day};
  const std::int32_t number = dayNumber(toDayTime(civil));
  // A day past the month's end lands in the next month: not a date.
  const CivilDateTime back = fromDayTime(number);
  if (back.month != civil.month || back.day != civil.day) return std::nullopt;
  return number;
}

std::string isoDateTime(DayTime when) {
  const DayTime whole = std::round(when * kSecondsPerDay) / kSecondsPerDay;
  const CivilDateTime civil = fromDayTime(whole);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", civil.year, civil.month,
                civil.day, civil.hour, civil.minute, civil.second);
  return text;
}

std::optional<DayTime> parseIsoDateTime(std::string_view text) {
  if (text.size() != kDateTimeLength || text[10] != ' ' || text[13] != ':' || text[16] != ':') {
    return std::nullopt;
  }
  const auto day = parseIsoDate(text.substr(0, kDateLength));
  const auto hour = digitsAt(text, 11, 2);
  const auto minute = digitsAt(text, 14, 2);
  const auto second = digitsAt(text, 17, 2);
  if (!day || !hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return *day + ((*hour * 60.0 + *minute) * 60.0 + *second) / kSecondsPerDay;
}

}  // namespace voltaro::journal
