// How fast a battery wears: the loss of full-charged capacity per 100 days,
// fitted over its capacity journal, and the day on which its wear is
// projected to reach 50 %, the level at which the advice says to consider
// replacing the pack.
//
// The fit is Theil's median of slopes. The journal is cut into runs at every
// completed calibration, where the gauge may step; each run, sorted by day,
// is paired point for point with its own second half, and the slope is the
// median of the slopes of all those pairs. So a calibration's step enters no
// slope, days without a reading are simply absent, and odd readings on a few
// days move nothing. The fitted capacity is the median of the latest run's
// points carried along that slope to the last day.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "journal/journal_entry.h"

namespace voltaro::journal {

// Until the journal holds this many days in runs of two or more, over this
// many days in all, there is not enough data for a trend.
inline constexpr std::size_t kMinimumReadings = 10;
inline constexpr std::int32_t kMinimumSpanDays = 30;
// The wear (%) at which the advice says to consider a new pack.
inline constexpr double kReplacementWear = 50.0;
// A projection further out than a century is no projection.
inline constexpr std::int32_t kProjectionLimitDays = 36525;

enum class Projection : std::uint8_t {
  NotEnoughData,
  NoDesignedCapacity,  // the battery reports no designed capacity to wear from
  NotWearing,          // the fitted capacity does not fall
  Distant,             // it falls, but reaches 50 % only after a century
  AlreadyReached,      // the fitted wear is 50 % or more now
  Projected,           // on `projectedDay`
};

struct WearTrend {
  std::size_t readings = 0;   // days in runs of two or more
  std::int32_t spanDays = 0;  // those runs' spans, added up
  std::int32_t firstDay = 0;  // of the journal
  std::int32_t lastDay = 0;   // of the latest run
  std::int32_t latestRunStart = 0;
  double slope = 0.0;                     // mWh per day; negative while the pack wears
  double fittedCapacity = 0.0;            // mWh on lastDay
  std::optional<std::uint32_t> designed;  // mWh, of the latest entry that has one
  Projection projection = Projection::NotEnoughData;
  std::optional<std::int32_t> projectedDay;  // Projected: the day the wear reaches 50 %

  bool enough() const { return projection != Projection::NotEnoughData; }
  // Capacity lost per 100 days: mWh, and points of the designed capacity.
  double lossPer100Days() const { return -slope * 100.0; }
  std::optional<double> lossPercentPer100Days() const;
  // The fitted line's capacity on `day` (mWh), and its wear on lastDay (%).
  double fittedAt(std::int32_t day) const { return fittedCapacity + slope * (day - lastDay); }
  std::optional<double> fittedWear() const;
};

WearTrend fitWearTrend(std::span<const JournalEntry> entries);

}  // namespace voltaro::journal
