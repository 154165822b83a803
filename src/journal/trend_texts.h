// The wear trend in words, as voltaroctl prints it:
//   loss         "2,500 mWh (5.00 %) per 100 days"
//   replacement  "2028-03-11 (in 680 days)", or why there is no date
#pragma once

#include <cstdint>
#include <string>

#include "journal/wear_trend.h"

namespace voltaro::journal {

struct TrendTexts {
  std::string loss;
  std::string replacement;  // when the wear reaches 50 %
};

// `grouping` is the DigitGrouping setting; `today` the day number the
// "in N days" counts from.
TrendTexts trendTexts(const WearTrend& trend, std::uint8_t grouping, std::int32_t today);

}  // namespace voltaro::journal
