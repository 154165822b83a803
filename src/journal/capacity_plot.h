// A capacity journal laid out on the plot area of the charge graph: columns
// 0..720 run from the journal's first day to its last, or on to the day the
// wear is projected to reach 50 % when that lies within ten years; values
// 0..400 are 0..100 % of the designed capacity (of the largest capacity in
// the journal for a battery that reports none).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "journal/journal_entry.h"
#include "journal/wear_trend.h"

namespace voltaro::journal {

inline constexpr double kPlotColumns = 720.0;
inline constexpr double kPlotFullValue = 400.0;
// The projection stretches the time axis by ten years at most.
inline constexpr std::int32_t kPlotProjectionDays = 3660;

struct PlotSpot {
  double column = 0.0;
  double value = 0.0;
  bool operator==(const PlotSpot&) const = default;
};

struct CapacityPlot {
  std::int32_t firstDay = 0;    // at column 0
  std::int32_t endDay = 0;      // at column 720
  std::uint32_t fullScale = 0;  // mWh at value 400
  // The journal's days, one line per run between calibrations.
  std::vector<std::vector<PlotSpot>> runs;
  std::vector<double> calibrationColumns;
  // The fitted line over the latest run, on to the projected day when shown.
  std::optional<std::pair<PlotSpot, PlotSpot>> trend;
  std::optional<std::int32_t> projectedDay;  // when it lies on the plot
};

CapacityPlot layoutCapacityPlot(std::span<const JournalEntry> entries, const WearTrend& trend);

}  // namespace voltaro::journal
