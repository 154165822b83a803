// One charge or discharge session of a battery: the time on external power
// or on battery between two changes of the power source, as one line of
// comma-separated values:
//
//   start,end,kind,start_percent,end_percent,energy_mwh,average_mw,reached,ended_by
//   2026-01-31 09:00:01,2026-01-31 12:00:01,discharge,100,33,30000,10000,,power
//
// energy_mwh is the energy put in (charge) or taken out (discharge), from
// the capacities at the two ends; average_mw is that energy over the time.
// As in the journal, the last field is a word that no cut line can hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/day_number.h"

namespace voltaro::journal {

enum class SessionKind : std::uint8_t { Charge, Discharge };  // on external power, on battery

enum class SessionReached : std::uint8_t {
  Nothing,
  Full,      // a charge that ended at 100 %
  Critical,  // a discharge that reached the critical level
};

enum class SessionEndedBy : std::uint8_t { PowerSource, Removal, Exit };

struct SessionEntry {
  DayTime start = 0;  // local date-times, whole seconds once written
  DayTime end = 0;
  SessionKind kind = SessionKind::Discharge;
  std::optional<int> startPercent;  // whole percent; nullopt when not known
  std::optional<int> endPercent;
  std::optional<std::int64_t> energy;       // mWh; nullopt without capacities in mWh
  std::optional<std::int64_t> averageRate;  // mW; nullopt without energy or time
  SessionReached reached = SessionReached::Nothing;
  SessionEndedBy endedBy = SessionEndedBy::PowerSource;
};

inline constexpr std::string_view kSessionHeader =
    "start,end,kind,start_percent,end_percent,energy_mwh,average_mw,reached,ended_by";

std::string formatSessionLine(const SessionEntry& entry);
std::optional<SessionEntry> parseSessionLine(std::string_view line);

std::string_view kindName(SessionKind kind);
std::string_view reachedName(SessionReached reached);  // "" for Nothing
std::string_view endedByName(SessionEndedBy endedBy);

}  // namespace voltaro::journal
