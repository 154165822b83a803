#include "journal/journal_entry.h"

#include "journal/csv_fields.h"
#include "journal/journal_dates.h"

namespace voltaro::journal {

namespace {
constexpr std::size_t kFields = 7;
}  // namespace

std::string_view eventName(JournalEvent event) {
  switch (event) {
    case JournalEvent::Reading:
      return "reading";
    case JournalEvent::Calibration:
      return "calibration";
  }
  return "reading";
}

std::string formatJournalLine(const JournalEntry& entry) {
  std::string line = isoDate(entry.day);
  line += ',' + std::to_string(entry.fullCharged);
  line += ',' + fieldText(entry.designed);
  line += ',' + fieldText(entry.cycleCount);
  line += ',' + fieldText(entry.fullDischargeHundredths);
  line += ',' + fieldText(entry.usageMinutes);
  line += ',';
  line += eventName(entry.event);
  return line;
}

std::optional<JournalEntry> parseJournalLine(std::string_view line) {
  const auto fields = splitFields(line);
  if (fields.size() != kFields) return std::nullopt;
  JournalEntry entry;
  if (fields[6] == eventName(JournalEvent::Reading)) {
    entry.event = JournalEvent::Reading;
  } else if (fields[6] == eventName(JournalEvent::Calibration)) {
    entry.event = JournalEvent::Calibration;
  } else {
    return std::nullopt;
  }
  const auto day = parseIsoDate(fields[0]);
  const auto full = unsignedField(fields[1]);
  const auto designed = optionalUnsignedField(fields[2]);
  const auto cycles = optionalUnsignedField(fields[3]);
  const auto hundredths = optionalUnsignedField(fields[4]);
  const auto usage = optionalUnsignedField(fields[5]);
  if (!day || !full || *full == 0 || !designed.valid || !cycles.valid || !hundredths.valid ||
      !usage.valid) {
    return std::nullopt;
  }
  entry.day = *day;
  entry.fullCharged = *full;
  entry.designed = designed.value;
  entry.cycleCount = cycles.value;
  entry.fullDischargeHundredths = hundredths.value;
  entry.usageMinutes = usage.value;
  return entry;
}

}  // namespace voltaro::journal
