// Date-time values as days since 30 December 1899, time of day as the fraction.
#include "common/day_number.h"

#include <cmath>
#include <ctime>

namespace voltaro {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86400000;
// Days from 1970-01-01 back to 1899-12-30.
constexpr std::int64_t kEpochOffsetDays = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, CivilDateTime& out) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  out.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0));
  out.month = static_cast<int>(m);
  out.day = static_cast<int>(d);
}

bool toLocalTm(std::time_t t, std::tm& out) {
#ifdef _WIN32
  return localtime_s(&out, &t) == 0;
#else
  return localtime_r(&t, &out) != nullptr;
#endif
}

}  // namespace

DayTime toDayTime(const CivilDateTime& civil) {
  const std::int64_t days = daysFromCivil(civil.year, static_cast<unsigned>(civil.month),
                                          static_cast<unsigned>(civil.day)) +
                            kEpochOffsetDays;
  const double ms =
      ((civil.hour * 60.0 + civil.minute) * 60.0 + civil.second) * 1000.0 + civil.millisecond;
  return static_cast<double>(days) + ms / static_cast<double>(kMillisecondsPerDay);
}

CivilDateTime fromDayTime(DayTime value) {
  CivilDateTime out;
  if (!std::isfinite(value)) return out;
  std::int64_t days = static_cast<std::int64_t>(std::floor(value));
  // Rounded to the millisecond so that 0.5 reads 12:00:00.000, not 11:59:59.999.
  std::int64_t ms =
      std::llround((value - static_cast<double>(days)) * static_cast<double>(kMillisecondsPerDay));
  if (ms >= kMillisecondsPerDay) {
    ++days;
    ms -= kMillisecondsPerDay;
  }
  civilFromDays(days - kEpochOffsetDays, out);
  out.millisecond = static_cast<int>(ms % 1000);
  const std::int64_t seconds = ms / 1000;
  out.second = static_cast<int>(seconds % 60);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.hour = static_cast<int>(seconds / 3600);
  return out;
}

DayTime localDayTime(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  const auto sinceEpoch = duration_cast<milliseconds>(when.time_since_epoch());
  const auto wholeSeconds = floor<seconds>(sinceEpoch);
  const int ms = static_cast<int>((sinceEpoch - wholeSeconds).count());
  std::tm local{};
  if (!toLocalTm(static_cast<std::time_t>(wholeSeconds.count()), local)) return 0.0;
  CivilDateTime civil;
  civil.year = local.tm_year + 1900;
  civil.month = local.tm_mon + 1;
  civil.day = local.tm_mday;
  civil.hour = local.tm_hour;
  civil.minute = local.tm_min;
  civil.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // leap second folds into :59
  civil.millisecond = ms;
  return toDayTime(civil);
}

std::int32_t dayNumber(DayTime value) {
  return static_cast<std::int32_t>(std::floor(value));
}

double secondsOfDay(DayTime value) {
  const double seconds = (value - std::floor(value)) * kSecondsPerDay;
  return seconds >= kSecondsPerDay ? 0.0 : seconds;
}

}  // namespace voltaro
