// The discharge log: one line each time the selected battery's charge level
// changes by a whole percent on battery. Plugging in moves the log to the
// old-log name, so the folder holds the latest discharge and the one before.
#pragma once

#include <cstdint>
#include <string>

#include "battery/battery_state.h"
#include "common/day_number.h"
#include "platform/runtime.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::logs {

struct DischargeLogContext {
  const battery::SlotTable& slots;
  const battery::LiveStatus& live;
  const view::ShownTexts& texts;  // the battery names as shown
  const std::string& dataFolder;  // ends in the path separator
  platform::Runtime& runtime;
  view::ErrorReport& errors;
};

class DischargeLog {
 public:
  // No rounded level takes this value, so the next step always writes.
  static constexpr std::int64_t kNoLevel = 111;
  static constexpr int kSamplingSeconds = 5;

  explicit DischargeLog(const DischargeLogContext& context);

  // The step of every fifth tick while "Discharge Log" is on (the tick tests
  // the option): rotates on external power, writes on battery.
  void step();
  // The power source changed from external power to battery.
  void markUnplugged() { lastLevel_ = kNoLevel; }
  // "Discharge Log" was switched on: the next entry has no elapsed time.
  void resetEntryTime() { lastEntryTime_ = 0; }

  std::int64_t lastLevel() const { return lastLevel_; }
  DayTime lastEntryTime() const { return lastEntryTime_; }

 private:
  void rotate(const std::string& current);
  void start(const std::string& current, float percent);
  void append(const std::string& current, float percent);
  std::string entry(float percent, DayTime now) const;
  // Reports the first failure of a run of failures of the log; a success
  // re-arms it, so a lasting fault is reported once, not every five seconds.
  void failed(const std::string& path, const std::string& message);
  void succeeded(const std::string& path);

  const battery::SlotTable& slots_;
  const battery::LiveStatus& live_;
  const view::ShownTexts& texts_;
  const std::string& dataFolder_;
  platform::Runtime& runtime_;
  view::ErrorReport& errors_;
  std::int64_t lastLevel_ = kNoLevel;  // rounded percent of the latest entry
  DayTime lastEntryTime_ = 0;          // 0 = no entry yet in this run
};

}  // namespace voltaro::logs
