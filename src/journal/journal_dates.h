// Dates and times in the journal files as spreadsheets read them: local
// dates as "2026-01-31" and local date-times as "2026-01-31 09:05:00".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/day_number.h"

namespace voltaro::journal {

// "yyyy-mm-dd" of a day number.
std::string isoDate(std::int32_t day);
// The day number of "yyyy-mm-dd"; nullopt for anything else (a month 13, a
// 30 February, a date cut short).
std::optional<std::int32_t> parseIsoDate(std::string_view text);

// "yyyy-mm-dd hh:mm:ss", rounded to the nearest second.
std::string isoDateTime(DayTime when);
std::optional<DayTime> parseIsoDateTime(std::string_view text);

}  // namespace voltaro::journal
