#include "engine/health_journal.h"

#include "common/day_number.h"
#include "common/file_io.h"
#include "journal/journal_files.h"

namespace voltaro::engine {

namespace {

std::optional<std::uint32_t> reported(std::uint32_t value) {
  if (value == 0) return std::nullopt;
  return value;
}

}  // namespace

HealthJournal::HealthJournal(const HealthJournalContext& context)
    : c_(context),
      journal_(context.dataFolder, context.errors),
      sessions_(context.dataFolder, context.errors) {}

bool HealthJournal::primaryInMilliwattHours() const {
  if (c_.slots.currentSlot != c_.slots.primarySlot || c_.info.batteryKey.empty()) return false;
  return (c_.info.information.capabilities & platform::kCapCapacityRelative) == 0;
}

journal::JournalEntry HealthJournal::entryFor(journal::JournalEvent event) const {
  const platform::BatteryInformation& information = c_.info.information;
  journal::JournalEntry entry;
  entry.day = dayNumber(c_.runtime.now());
  entry.fullCharged = information.fullChargedCapacity;
  entry.designed = reported(information.designedCapacity);
  entry.cycleCount = reported(information.cycleCount);
  if (c_.health.valueKnown(health::kFullDischargeCyclesSuffix)) {
    entry.fullDischargeHundredths = c_.record.fullDischargeCycles;
  }
  if (c_.health.valueKnown(health::kUsageMinutesSuffix))
    entry.usageMinutes = c_.record.usageMinutes;
  entry.event = event;
  return entry;
}

void HealthJournal::readingTaken() {
  if (!primaryInMilliwattHours()) return;
  const std::string& key = c_.info.batteryKey;
  const int slot = c_.slots.currentSlot;
  const platform::BatteryStatusRecord& reading = c_.live.reading;
  const bool capacityKnown = reading.capacity != platform::kUnknownCapacity;
  sessions_.reading(key, {c_.runtime.now(), c_.live.onPower, c_.live.knownPercent(slot),
                          capacityKnown ? std::optional(reading.capacity) : std::nullopt,
                          (reading.powerState & platform::kCritical) != 0});
  // A day's line needs the full-charged capacity; a battery whose information
  // could not be read waits for a later reading.
  if (c_.info.information.fullChargedCapacity == 0) return;
  if (!journal_.lineDue(key, dayNumber(c_.runtime.now()))) return;
  journal_.append(key, entryFor(journal::JournalEvent::Reading));
}

void HealthJournal::batteryLeft(int slot) {
  if (slot == c_.slots.primarySlot) sessions_.end(journal::SessionEndedBy::Removal);
}

void HealthJournal::calibrationClosed() {
  if (!calibrationPending_) return;
  calibrationPending_ = false;
  if (!primaryInMilliwattHours() || c_.info.information.fullChargedCapacity == 0) return;
  journal_.append(c_.info.batteryKey, entryFor(journal::JournalEvent::Calibration));
}

std::string HealthJournal::copyPathBeside(const std::string& exportPath) {
  const std::size_t name = exportPath.find_last_of("/\\");
  const std::size_t dot = exportPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name);
  return exportPath.substr(0, hasExtension ? dot : exportPath.size()) + "-journal.csv";
}

void HealthJournal::saveCopyBeside(const std::string& exportPath) {
  if (c_.info.batteryKey.empty()) return;
  const journal::JournalRead read = journal::readJournal(journal_.path(c_.info.batteryKey));
  if (read.state == ReadState::Missing) return;
  const std::string copy = copyPathBeside(exportPath);
  if (read.state == ReadState::Unreadable) {
    c_.errors.report("Input/output error: cannot read the capacity journal \"" +
                     journal_.path(c_.info.batteryKey) + "\": " + read.cause + ".");
    return;
  }
  const FileWrite written = journal::writeJournalCopy(copy, read.entries);
  if (!written) {
    c_.errors.report("Input/output error: cannot write the capacity journal \"" + copy +
                     "\": " + written.cause + ".");
  }
}

}  // namespace voltaro::engine
