// The primary battery's health over months, fed by the engine: the capacity
// journal gets a line at the first reading of each day and after each
// completed calibration (once the battery information is read again), and
// the sessions follow the readings until a power-source change, a removal
// or the exit ends them.
#pragma once

#include <string>

#include "battery/battery_state.h"
#include "health/health_record.h"
#include "health/health_store.h"
#include "journal/capacity_journal.h"
#include "journal/session_tracker.h"
#include "platform/runtime.h"
#include "view/status_line.h"

namespace voltaro::engine {

struct HealthJournalContext {
  const battery::BatteryInfo& info;  // of the battery shown
  const battery::SlotTable& slots;
  const battery::LiveStatus& live;
  const health::HealthRecord& record;
  const health::HealthStore& health;
  platform::Runtime& runtime;
  const std::string& dataFolder;
  view::ErrorReport& errors;
};

class HealthJournal {
 public:
  explicit HealthJournal(const HealthJournalContext& context);

  // A status reading of the battery shown was processed this tick.
  void readingTaken();
  // The battery of `slot` left its slot.
  void batteryLeft(int slot);
  // A calibration completed; its journal line waits for the information
  // read that follows (calibrationClosed).
  void calibrationCompleted() { calibrationPending_ = true; }
  void calibrationClosed();
  // The critical alert fired.
  void criticalAlert() { sessions_.criticalReached(); }
  // The program's exit procedure.
  void exit() { sessions_.end(journal::SessionEndedBy::Exit); }
  // The Calibrate page saved the calibration data to `exportPath`: the
  // journal of the battery shown goes beside it, as "<name>-journal.csv"
  // ("battery1.bin" gives "battery1-journal.csv"). A battery without a
  // journal gives none; a failure is reported.
  void saveCopyBeside(const std::string& exportPath);
  static std::string copyPathBeside(const std::string& exportPath);

  journal::CapacityJournal& journal() { return journal_; }
  const journal::SessionTracker& sessions() const { return sessions_; }

 private:
  // The battery shown is the primary one, with its key, and it reports its
  // capacities in mWh.
  bool primaryInMilliwattHours() const;
  journal::JournalEntry entryFor(journal::JournalEvent event) const;

  HealthJournalContext c_;
  journal::CapacityJournal journal_;
  journal::SessionTracker sessions_;
  bool calibrationPending_ = false;
};

}  // namespace voltaro::engine
