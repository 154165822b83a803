// The wear trend over journals worked out by hand: a calibration's step,
// missing days and odd readings; when there is too little data; the
// projection's other outcomes; its texts and its plot.
#include <gtest/gtest.h>

#include "journal/capacity_plot.h"
#include "journal/trend_texts.h"
#include "journal/wear_trend.h"

namespace voltaro::journal {
namespace {

constexpr std::int32_t kNewYear = 46023;  // 2026-01-01

JournalEntry day(std::int32_t offset, double full, std::optional<std::uint32_t> designed = 50000,
                 JournalEvent event = JournalEvent::Reading) {
  return {kNewYear + offset,
          static_cast<std::uint32_t>(full),
          designed,
          std::nullopt,
          std::nullopt,
          std::nullopt,
          event};
}

// 50,000 mWh designed, 45,000 on day 0, losing 25 mWh a day: 5.00 % of the
// designed capacity per 100 days. The calibration on day 60 lets the gauge
// jump up by 3,000 mWh; every third day has no reading; days 21, 22 and 90
// read far off.
std::vector<JournalEntry> wearingJournal() {
  std::vector<JournalEntry> journal;
  for (int d = 0; d < 120; ++d) {
    if (d % 3 == 2) continue;
    double full = 45000 - 25.0 * d + (d >= 60 ? 3000 : 0);
    if (d == 21 || d == 22) full -= 9000;
    if (d == 90) full += 4000;
    journal.push_back(
        day(d, full, 50000, d == 60 ? JournalEvent::Calibration : JournalEvent::Reading));
  }
  return journal;
}

TEST(WearTrend, IgnoresTheCalibrationStepGapsAndOddDays) {
  const WearTrend trend = fitWearTrend(wearingJournal());
  ASSERT_EQ(trend.projection, Projection::Projected);
  EXPECT_DOUBLE_EQ(trend.slope, -25.0);
  EXPECT_DOUBLE_EQ(trend.lossPercentPer100Days().value(), 5.0);
  EXPECT_EQ(trend.readings, 80u);
  EXPECT_EQ(trend.lastDay, kNewYear + 118);
  // Day 118 after the step: 45,000 - 2,950 + 3,000 = 45,050 mWh; 25,000 mWh
  // (50 % wear) lies 20,050 / 25 = 802 days later, on day 920: 2028-07-09.
  EXPECT_DOUBLE_EQ(trend.fittedCapacity, 45050.0);
  EXPECT_EQ(trend.projectedDay, kNewYear + 920);
  const TrendTexts texts = trendTexts(trend, 1, kNewYear + 120);
  EXPECT_EQ(texts.loss, "2,500 mWh (5.00 %) per 100 days");
  EXPECT_EQ(texts.replacement, "2028-07-09 (in 800 days)");

  // On the plot: 0..920 days over 720 columns, 50,000 mWh at value 400; the
  // trend runs from day 60 of the new run to 50 % at the right edge.
  const CapacityPlot plot = layoutCapacityPlot(wearingJournal(), trend);
  ASSERT_EQ(plot.runs.size(), 2u);
  EXPECT_EQ(plot.runs[0].front(), (PlotSpot{0.0, 360.0}));
  ASSERT_EQ(plot.calibrationColumns.size(), 1u);
  EXPECT_NEAR(plot.calibrationColumns[0], 60.0 * 720 / 920, 1e-9);
  ASSERT_TRUE(plot.trend);
  EXPECT_NEAR(plot.trend->first.column, 60.0 * 720 / 920, 1e-9);
  EXPECT_NEAR(plot.trend->first.value, (45050.0 + 58 * 25) / 125, 1e-9);
  EXPECT_NEAR(plot.trend->second.column, 720.0, 1e-9);
  EXPECT_NEAR(plot.trend->second.value, 200.0, 1e-9);
}

TEST(WearTrend, NeedsTenDaysOverThirty) {
  std::vector<JournalEntry> journal;
  for (int d = 0; d < 9; ++d) journal.push_back(day(d * 5, 45000 - 100.0 * d));
  EXPECT_EQ(fitWearTrend(journal).projection, Projection::NotEnoughData);  // 9 days over 40
  journal.clear();
  for (int d = 0; d < 30; d += 3) journal.push_back(day(d, 45000 - 10.0 * d));
  EXPECT_EQ(fitWearTrend(journal).spanDays, 27);
  EXPECT_EQ(trendTexts(fitWearTrend(journal), 0, kNewYear).replacement,
            "not enough data (10 of 10 days, over 27 of 30)");
  journal.push_back(day(30, 44700));
  EXPECT_EQ(fitWearTrend(journal).projection, Projection::Projected);
  // A calibration on the last day starts a run of one: it takes part in the
  // level, not in the slope, and counts no day.
  journal.back().event = JournalEvent::Calibration;
  EXPECT_EQ(fitWearTrend(journal).projection, Projection::NotEnoughData);
}

TEST(WearTrend, ProjectionOutcomes) {
  auto journalOf = [](double first, double perDay, std::optional<std::uint32_t> designed) {
    std::vector<JournalEntry> journal;
    for (int d = 0; d < 40; ++d) journal.push_back(day(d, first + perDay * d, designed));
    return fitWearTrend(journal);
  };
  EXPECT_EQ(journalOf(45000, 0.0, 50000).projection, Projection::NotWearing);
  EXPECT_EQ(journalOf(45000, 0.5, 50000).projection, Projection::NotWearing);
  EXPECT_EQ(journalOf(45000, -0.5, 50000).projection, Projection::Distant);
  EXPECT_EQ(journalOf(45000, -25, std::nullopt).projection, Projection::NoDesignedCapacity);
  const WearTrend worn = journalOf(26000, -100, 50000);  // 22,100 mWh on day 39
  EXPECT_EQ(worn.projection, Projection::AlreadyReached);
  EXPECT_EQ(trendTexts(worn, 0, kNewYear).replacement, "reached (fitted wear 55.80 %)");
}

}  // namespace
}  // namespace voltaro::journal
