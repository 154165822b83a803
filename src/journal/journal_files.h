// The journal files of a battery in the data folder, named by its
// `BatteryKey`: "<key>-journal.csv" (one line a day) and "<key>-sessions.csv".
// Both are appended whole lines at a time and read back line by line; a line
// that is not a whole entry (the header, or one a crash cut short) is passed
// over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_io.h"
#include "journal/journal_entry.h"
#include "journal/session_entry.h"

namespace voltaro::journal {

std::string journalPath(const std::string& dataFolder, const std::string& batteryKey);
std::string sessionsPath(const std::string& dataFolder, const std::string& batteryKey);

template <typename Entry>
struct LinesRead {
  ReadState state = ReadState::Missing;
  std::vector<Entry> entries;  // in file order
  std::size_t passedOver = 0;  // lines that were not whole entries, the header included
  std::string cause;           // Unreadable: why
};

using JournalRead = LinesRead<JournalEntry>;
using SessionsRead = LinesRead<SessionEntry>;

JournalRead readJournal(const std::string& path);
SessionsRead readSessions(const std::string& path);

// Appends `line` as a whole line; a file that is missing or empty gets the
// header line first.
FileWrite appendEntryLine(const std::string& path, std::string_view header,
                          const std::string& line);

// The journal's entries, written whole under `header` to `path` (replacing
// it durably): the copy that the Calibrate page's Save puts beside its
// report.
FileWrite writeJournalCopy(const std::string& path, const std::vector<JournalEntry>& entries);

}  // namespace voltaro::journal
