// Writes the capacity journal of the primary battery as the program runs:
// the first reading of each day adds that day's line, a completed
// calibration a line of its own. The last day written is read from the file
// once per battery; while the file cannot be read nothing is added, so that
// no day is written twice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "journal/journal_entry.h"
#include "view/status_line.h"

namespace voltaro::journal {

class CapacityJournal {
 public:
  // `dataFolder` ends in the path separator and may change while the
  // journal lives (it is empty before the program's start).
  CapacityJournal(const std::string& dataFolder, view::ErrorReport& errors)
      : dataFolder_(dataFolder), errors_(errors) {}

  // True when the journal of `batteryKey` can be read and has no line for
  // `day` or a later day yet.
  bool lineDue(const std::string& batteryKey, std::int32_t day);
  // Adds `entry` as a whole line; false (reported once per lasting fault)
  // when it could not be written.
  bool append(const std::string& batteryKey, const JournalEntry& entry);

  std::string path(const std::string& batteryKey) const;

 private:
  bool load(const std::string& batteryKey);

  const std::string& dataFolder_;
  view::ErrorReport& errors_;
  std::string loadedKey_;  // empty until a journal was read
  std::optional<std::int32_t> lastDay_;
};

}  // namespace voltaro::journal
