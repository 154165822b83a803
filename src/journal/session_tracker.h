// The charge and discharge sessions of the primary battery as the program
// runs: its readings open a session and carry it along; a reading on the
// other power source ends it there and opens the next, so the sessions
// follow each other without a gap and their energies add up. A removal of
// the battery and the program's exit end the open session at its last
// reading. Each ended session is one line of "<key>-sessions.csv".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/day_number.h"
#include "journal/session_entry.h"
#include "view/status_line.h"

namespace voltaro::journal {

struct SessionReading {
  DayTime time = 0;
  bool onPower = true;
  std::optional<float> percent;           // 0..100; nullopt while unknown
  std::optional<std::uint32_t> capacity;  // mWh; nullopt while unknown or not in mWh
  bool critical = false;                  // the battery reports its critical level
};

class SessionTracker {
 public:
  SessionTracker(const std::string& dataFolder, view::ErrorReport& errors)
      : dataFolder_(dataFolder), errors_(errors) {}

  // A reading of the battery whose sessions are kept under `batteryKey`.
  void reading(const std::string& batteryKey, const SessionReading& reading);
  // The critical alert fired: the open discharge has reached the critical level.
  void criticalReached();
  // The battery left or the program exits: the open session ends.
  void end(SessionEndedBy why);

  // The open session as it would be written now.
  std::optional<SessionEntry> openSession() const;

 private:
  // A capacity with the time it was read.
  struct StampedCapacity {
    std::uint32_t value = 0;
    DayTime time = 0;
  };
  struct Open {
    std::string batteryKey;
    SessionKind kind = SessionKind::Discharge;
    DayTime start = 0;
    DayTime end = 0;
    std::optional<StampedCapacity> firstCapacity, lastCapacity;
    std::optional<float> firstPercent, lastPercent;
    bool critical = false;
  };

  void take(const SessionReading& reading);
  void close(SessionEndedBy why);
  SessionEntry entryOf(const Open& open, SessionEndedBy why) const;

  const std::string& dataFolder_;
  view::ErrorReport& errors_;
  std::optional<Open> open_;
};

}  // namespace voltaro::journal
