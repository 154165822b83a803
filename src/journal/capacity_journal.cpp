#include "journal/capacity_journal.h"

#include <algorithm>

#include "journal/journal_files.h"

namespace voltaro::journal {

std::string CapacityJournal::path(const std::string& batteryKey) const {
  return journalPath(dataFolder_, batteryKey);
}

bool CapacityJournal::load(const std::string& batteryKey) {
  if (!loadedKey_.empty() && loadedKey_ == batteryKey) return true;
  const std::string file = path(batteryKey);
  const JournalRead read = readJournal(file);
  if (read.state == ReadState::Unreadable) {
    errors_.reportFileFault(file,
                            "Input/output error: cannot read the capacity journal \"" + file +
                                "\": " + read.cause +
                                ". Voltaro adds no line to it until it can be read.",
                            view::FileAccess::Read);
    return false;
  }
  errors_.fileRecovered(file, view::FileAccess::Read);
  lastDay_.reset();
  for (const JournalEntry& entry : read.entries) {
    lastDay_ = std::max(lastDay_.value_or(entry.day), entry.day);
  }
  loadedKey_ = batteryKey;
  return true;
}

bool CapacityJournal::lineDue(const std::string& batteryKey, std::int32_t day) {
  if (batteryKey.empty() || dataFolder_.empty() || !load(batteryKey)) return false;
  return !lastDay_ || day > *lastDay_;
}

bool CapacityJournal::append(const std::string& batteryKey, const JournalEntry& entry) {
  if (!load(batteryKey)) return false;
  const std::string file = path(batteryKey);
  const FileWrite written = appendEntryLine(file, kJournalHeader, formatJournalLine(entry));
  if (!written) {
    errors_.reportFileFault(file, "Input/output error: cannot add to the capacity journal \"" +
                                      file + "\": " + written.cause + ".");
    return false;
  }
  errors_.fileRecovered(file);
  lastDay_ = std::max(lastDay_.value_or(entry.day), entry.day);
  return true;
}

}  // namespace voltaro::journal
