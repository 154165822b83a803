// One line of a battery's capacity journal: a day's full-charged and
// designed capacity with the health counters beside them, as a line of
// comma-separated values that a spreadsheet opens:
//
//   date,full_charged_mwh,designed_mwh,cycle_count,full_discharge_hundredths,usage_minutes,event
//   2026-01-31,44975,50000,,148,2710,reading
//
// The last field names the event that wrote the line. Every shorter start of
// a line lacks it or holds a cut word, so a line that a crash cut short never
// reads as an entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voltaro::journal {

enum class JournalEvent : std::uint8_t {
  Reading,      // the first reading of the day
  Calibration,  // a completed calibration: the capacity may step from here on
};

struct JournalEntry {
  std::int32_t day = 0;                     // local date, as a day number
  std::uint32_t fullCharged = 0;            // mWh, never 0 in a written line
  std::optional<std::uint32_t> designed;    // mWh; nullopt when the battery reports none
  std::optional<std::uint32_t> cycleCount;  // the battery's own; nullopt when it reports none
  // The health record's counters; nullopt while their files cannot be read.
  std::optional<std::uint32_t> fullDischargeHundredths;
  std::optional<std::uint32_t> usageMinutes;
  JournalEvent event = JournalEvent::Reading;
  bool operator==(const JournalEntry&) const = default;
};

inline constexpr std::string_view kJournalHeader =
    "date,full_charged_mwh,designed_mwh,cycle_count,full_discharge_hundredths,usage_minutes,event";

std::string formatJournalLine(const JournalEntry& entry);
// nullopt for every line that is not a whole entry: the header, a line cut
// short, a capacity of 0, anything else.
std::optional<JournalEntry> parseJournalLine(std::string_view line);

std::string_view eventName(JournalEvent event);

}  // namespace voltaro::journal
