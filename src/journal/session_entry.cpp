#include "journal/session_entry.h"

#include <array>

#include "journal/csv_fields.h"
#include "journal/journal_dates.h"

namespace voltaro::journal {

namespace {

constexpr std::size_t kFields = 9;
constexpr int kMaximumPercent = 100;

template <typename Enum, std::size_t N>
std::optional<Enum> named(std::string_view field, const std::array<Enum, N>& values,
                          std::string_view (*name)(Enum)) {
  for (Enum value : values) {
    if (name(value) == field) return value;
  }
  return std::nullopt;
}

constexpr std::array kKinds{SessionKind::Charge, SessionKind::Discharge};
constexpr std::array kReached{SessionReached::Nothing, SessionReached::Full,
                              SessionReached::Critical};
constexpr std::array kEndings{SessionEndedBy::PowerSource, SessionEndedBy::Removal,
                              SessionEndedBy::Exit};

// An optional whole percent 0..100.
OptionalField<int> percentField(std::string_view field) {
  const auto read = optionalUnsignedField(field);
  if (!read.valid || (read.value && *read.value > kMaximumPercent)) return {};
  if (!read.value) return {true, std::nullopt};
  return {true, static_cast<int>(*read.value)};
}

}  // namespace

std::string_view kindName(SessionKind kind) {
  switch (kind) {
    case SessionKind::Charge:
      return "charge";
    case SessionKind::Discharge:
      return "discharge";
  }
  return "discharge";
}

std::string_view reachedName(SessionReached reached) {
  switch (reached) {
    case SessionReached::Nothing:
      return "";
    case SessionReached::Full:
      return "full";
    case SessionReached::Critical:
      return "critical";
  }
  return "";
}

std::string_view endedByName(SessionEndedBy endedBy) {
  switch (endedBy) {
    case SessionEndedBy::PowerSource:
      return "power";
    case SessionEndedBy::Removal:
      return "removal";
    case SessionEndedBy::Exit:
      return "exit";
  }
  return "exit";
}

std::string formatSessionLine(const SessionEntry& entry) {
  std::string line = isoDateTime(entry.start);
  line += ',' + isoDateTime(entry.end);
  line += ',';
  line += kindName(entry.kind);
  line += ',' + fieldText(entry.startPercent);
  line += ',' + fieldText(entry.endPercent);
  line += ',' + fieldText(entry.energy);
  line += ',' + fieldText(entry.averageRate);
  line += ',';
  line += reachedName(entry.reached);
  line += ',';
  line += endedByName(entry.endedBy);
  return line;
}

std::optional<SessionEntry> parseSessionLine(std::string_view line) {
  const auto fields = splitFields(line);
  if (fields.size() != kFields) return std::nullopt;
  const auto endedBy = named(fields[8], kEndings, endedByName);
  const auto reached = named(fields[7], kReached, reachedName);
  const auto kind = named(fields[2], kKinds, kindName);
  const auto start = parseIsoDateTime(fields[0]);
  const auto end = parseIsoDateTime(fields[1]);
  const auto startPercent = percentField(fields[3]);
  const auto endPercent = percentField(fields[4]);
  const auto energy = optionalSignedField(fields[5]);
  const auto average = optionalSignedField(fields[6]);
  if (!endedBy || !reached || !kind || !start || !end || !startPercent.valid || !endPercent.valid ||
      !energy.valid || !average.valid) {
    return std::nullopt;
  }
  return SessionEntry{*start,           *end,         *kind,         startPercent.value,
                      endPercent.value, energy.value, average.value, *reached,
                      *endedBy};
}

}  // namespace voltaro::journal
