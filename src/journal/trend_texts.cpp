#include "journal/trend_texts.h"

#include <cmath>

#include "common/text_format.h"
#include "journal/journal_dates.h"

namespace voltaro::journal {

namespace {

std::string notEnoughData(const WearTrend& trend) {
  return "not enough data (" + std::to_string(trend.readings) + " of " +
         std::to_string(kMinimumReadings) + " days, over " + std::to_string(trend.spanDays) +
         " of " + std::to_string(kMinimumSpanDays) + ")";
}

std::string lossText(const WearTrend& trend, std::uint8_t grouping) {
  const auto milliwattHours = static_cast<long long>(std::llround(trend.lossPer100Days()));
  std::string text = groupdigits(std::to_string(milliwattHours), grouping) + " mWh";
  if (const auto percent = trend.lossPercentPer100Days()) {
    text += " (" + fixedText(*percent, 2) + " %)";
  }
  return text + " per 100 days";
}

std::string replacementText(const WearTrend& trend, std::int32_t today) {
  switch (trend.projection) {
    case Projection::NotEnoughData:
      return notEnoughData(trend);
    case Projection::NoDesignedCapacity:
      return "the battery reports no designed capacity";
    case Projection::NotWearing:
      return "not in sight: the capacity is not falling";
    case Projection::Distant:
      return "not within a hundred years";
    case Projection::AlreadyReached:
      return "reached (fitted wear " + fixedText(trend.fittedWear().value_or(0.0), 2) + " %)";
    case Projection::Projected: {
      const std::int32_t day = trend.projectedDay.value_or(trend.lastDay);
      const std::int32_t days = day - today;
      const std::string when =
          days >= 0 ? "in " + std::to_string(days) + (days == 1 ? " day" : " days")
                    : std::to_string(-days) + (days == -1 ? " day" : " days") + " ago";
      return isoDate(day) + " (" + when + ")";
    }
  }
  return notEnoughData(trend);
}

}  // namespace

TrendTexts trendTexts(const WearTrend& trend, std::uint8_t grouping, std::int32_t today) {
  TrendTexts texts;
  texts.loss = trend.enough() ? lossText(trend, grouping) : notEnoughData(trend);
  texts.replacement = replacementText(trend, today);
  return texts;
}

}  // namespace voltaro::journal
