#include "journal/session_tracker.h"

#include <cmath>

#include "common/rounding.h"
#include "journal/journal_files.h"

namespace voltaro::journal {

namespace {
constexpr double kFullPercent = 100.0;
}  // namespace

void SessionTracker::reading(const std::string& batteryKey, const SessionReading& reading) {
  if (batteryKey.empty()) return;
  const SessionKind kind = reading.onPower ? SessionKind::Charge : SessionKind::Discharge;
  if (open_ && open_->batteryKey != batteryKey) close(SessionEndedBy::Removal);
  if (open_ && open_->kind != kind) {
    // The reading that shows the new source ends one session and opens the next.
    take(reading);
    close(SessionEndedBy::PowerSource);
  }
  if (!open_) {
    open_ = Open{};
    open_->batteryKey = batteryKey;
    open_->kind = kind;
    open_->start = reading.time;
  }
  take(reading);
}

void SessionTracker::take(const SessionReading& reading) {
  Open& open = *open_;
  open.end = reading.time;
  if (reading.capacity) {
    const StampedCapacity capacity{*reading.capacity, reading.time};
    if (!open.firstCapacity) open.firstCapacity = capacity;
    open.lastCapacity = capacity;
  }
  if (reading.percent) {
    if (!open.firstPercent) open.firstPercent = reading.percent;
    open.lastPercent = reading.percent;
  }
  if (reading.critical && open.kind == SessionKind::Discharge) open.critical = true;
}

void SessionTracker::criticalReached() {
  if (open_ && open_->kind == SessionKind::Discharge) open_->critical = true;
}

void SessionTracker::end(SessionEndedBy why) {
  if (open_) close(why);
}

std::optional<SessionEntry> SessionTracker::openSession() const {
  if (!open_) return std::nullopt;
  return entryOf(*open_, SessionEndedBy::Exit);
}

SessionEntry SessionTracker::entryOf(const Open& open, SessionEndedBy why) const {
  SessionEntry entry;
  entry.start = open.start;
  entry.end = open.end;
  entry.kind = open.kind;
  entry.endedBy = why;
  const auto whole = [](std::optional<float> percent) -> std::optional<int> {
    if (!percent) return std::nullopt;
    return static_cast<int>(roundHalfEven(*percent));
  };
  entry.startPercent = whole(open.firstPercent);
  entry.endPercent = whole(open.lastPercent);
  if (open.firstCapacity && open.lastCapacity) {
    const auto last = static_cast<std::int64_t>(open.lastCapacity->value);
    const auto first = static_cast<std::int64_t>(open.firstCapacity->value);
    const std::int64_t energy = open.kind == SessionKind::Charge ? last - first : first - last;
    entry.energy = energy;
    const double seconds = (open.lastCapacity->time - open.firstCapacity->time) * kSecondsPerDay;
    if (seconds >= 1.0) {
      const double rate = static_cast<double>(energy) * 3600.0 / seconds;
      entry.averageRate = std::llround(rate);
    }
  }
  if (open.kind == SessionKind::Charge && entry.endPercent && *entry.endPercent == kFullPercent) {
    entry.reached = SessionReached::Full;
  }
  if (open.critical) entry.reached = SessionReached::Critical;
  return entry;
}

void SessionTracker::close(SessionEndedBy why) {
  const Open open = std::move(*open_);
  open_.reset();
  if (dataFolder_.empty()) return;
  const std::string file = sessionsPath(dataFolder_, open.batteryKey);
  const FileWrite written =
      appendEntryLine(file, kSessionHeader, formatSessionLine(entryOf(open, why)));
  if (!written) {
    errors_.reportFileFault(file, "Input/output error: cannot add to the session list \"" + file +
                                      "\": " + written.cause + ".");
    return;
  }
  errors_.fileRecovered(file);
}

}  // namespace voltaro::journal
