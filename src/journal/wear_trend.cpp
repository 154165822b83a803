#include "journal/wear_trend.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace voltaro::journal {

namespace {

struct Point {
  std::int32_t day = 0;
  double capacity = 0.0;  // mWh
};

using Run = std::vector<Point>;

// Runs of the journal in file order; a calibration's line opens a new run.
// Within a run the points are sorted by day, the last line of a day standing.
std::vector<Run> journalRuns(std::span<const JournalEntry> entries) {
  std::vector<Run> runs;
  for (const JournalEntry& entry : entries) {
    if (runs.empty() || entry.event == JournalEvent::Calibration) runs.emplace_back();
    runs.back().push_back({entry.day, static_cast<double>(entry.fullCharged)});
  }
  for (Run& run : runs) {
    std::stable_sort(run.begin(), run.end(),
                     [](const Point& a, const Point& b) { return a.day < b.day; });
    Run days;
    for (const Point& point : run) {
      if (!days.empty() && days.back().day == point.day) {
        days.back() = point;
      } else {
        days.push_back(point);
      }
    }
    run = std::move(days);
  }
  return runs;
}

double median(std::vector<double>& values) {
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                   values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2.0;
}

// Each point of a run's first half with its partner half a run later.
void addPairSlopes(const Run& run, std::vector<double>& slopes) {
  const std::size_t half = (run.size() + 1) / 2;
  for (std::size_t i = 0; i + half < run.size(); ++i) {
    const Point& a = run[i];
    const Point& b = run[i + half];
    slopes.push_back((b.capacity - a.capacity) / (b.day - a.day));
  }
}

void project(WearTrend& trend) {
  if (!trend.designed || *trend.designed == 0) {
    trend.projection = Projection::NoDesignedCapacity;
    return;
  }
  const double threshold = *trend.designed * (1.0 - kReplacementWear / 100.0);
  if (trend.fittedCapacity <= threshold) {
    trend.projection = Projection::AlreadyReached;
    return;
  }
  if (!(trend.slope < 0.0)) {
    trend.projection = Projection::NotWearing;
    return;
  }
  const double days = (trend.fittedCapacity - threshold) / -trend.slope;
  if (days > kProjectionLimitDays) {
    trend.projection = Projection::Distant;
    return;
  }
  trend.projection = Projection::Projected;
  trend.projectedDay = trend.lastDay + static_cast<std::int32_t>(std::lround(days));
}

}  // namespace

std::optional<double> WearTrend::lossPercentPer100Days() const {
  if (!designed || *designed == 0) return std::nullopt;
  return lossPer100Days() * 100.0 / *designed;
}

std::optional<double> WearTrend::fittedWear() const {
  if (!designed || *designed == 0) return std::nullopt;
  return (*designed - fittedCapacity) * 100.0 / *designed;
}

WearTrend fitWearTrend(std::span<const JournalEntry> entries) {
  WearTrend trend;
  if (entries.empty()) return trend;
  for (auto it = entries.rbegin(); it != entries.rend() && !trend.designed; ++it) {
    if (it->designed && *it->designed != 0) trend.designed = it->designed;
  }
  const std::vector<Run> runs = journalRuns(entries);
  std::vector<double> slopes;
  trend.firstDay = runs.front().front().day;
  for (const Run& run : runs) {
    trend.firstDay = std::min(trend.firstDay, run.front().day);
    if (run.size() < 2) continue;
    trend.readings += run.size();
    trend.spanDays += run.back().day - run.front().day;
    addPairSlopes(run, slopes);
  }
  const Run& latest = runs.back();
  trend.lastDay = latest.back().day;
  trend.latestRunStart = latest.front().day;
  if (trend.readings < kMinimumReadings || trend.spanDays < kMinimumSpanDays) return trend;

  trend.slope = median(slopes);
  std::vector<double> levels;
  levels.reserve(latest.size());
  for (const Point& point : latest) {
    levels.push_back(point.capacity - trend.slope * (point.day - trend.lastDay));
  }
  trend.fittedCapacity = median(levels);
  project(trend);
  return trend;
}

}  // namespace voltaro::journal
