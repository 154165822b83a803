#include "journal/capacity_plot.h"

#include <algorithm>

namespace voltaro::journal {

namespace {

struct Scale {
  std::int32_t firstDay = 0;
  double daysPerColumn = 1.0;
  double fullScale = 1.0;

  PlotSpot spot(double day, double capacity) const {
    return {(day - firstDay) / daysPerColumn,
            std::clamp(capacity / fullScale * kPlotFullValue, 0.0, kPlotFullValue)};
  }
};

std::uint32_t largestCapacity(std::span<const JournalEntry> entries) {
  std::uint32_t largest = 0;
  for (const JournalEntry& entry : entries) largest = std::max(largest, entry.fullCharged);
  return largest;
}

}  // namespace

CapacityPlot layoutCapacityPlot(std::span<const JournalEntry> entries, const WearTrend& trend) {
  CapacityPlot plot;
  if (entries.empty()) return plot;
  plot.firstDay = entries.front().day;
  plot.endDay = entries.front().day;
  for (const JournalEntry& entry : entries) {
    plot.firstDay = std::min(plot.firstDay, entry.day);
    plot.endDay = std::max(plot.endDay, entry.day);
  }
  if (trend.projection == Projection::Projected && trend.projectedDay &&
      *trend.projectedDay <= plot.firstDay + kPlotProjectionDays) {
    plot.projectedDay = trend.projectedDay;
    plot.endDay = std::max(plot.endDay, *trend.projectedDay);
  }
  plot.fullScale = trend.designed.value_or(0) != 0 ? *trend.designed : largestCapacity(entries);
  const Scale scale{plot.firstDay, std::max(plot.endDay - plot.firstDay, 1) / kPlotColumns,
                    static_cast<double>(plot.fullScale)};

  for (const JournalEntry& entry : entries) {
    const PlotSpot spot = scale.spot(entry.day, entry.fullCharged);
    if (plot.runs.empty() || entry.event == JournalEvent::Calibration) plot.runs.emplace_back();
    if (entry.event == JournalEvent::Calibration) plot.calibrationColumns.push_back(spot.column);
    plot.runs.back().push_back(spot);
  }
  if (trend.enough()) {
    const std::int32_t to = plot.projectedDay.value_or(trend.lastDay);
    plot.trend = {scale.spot(trend.latestRunStart, trend.fittedAt(trend.latestRunStart)),
                  scale.spot(to, trend.fittedAt(to))};
  }
  return plot;
}

}  // namespace voltaro::journal
