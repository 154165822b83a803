// The calibration log: the start, stop and completion of calibrations and
// the capacity after each completed one. It only grows.
#pragma once

#include <string>
#include <vector>

#include "battery/battery_state.h"
#include "health/health_record.h"
#include "platform/runtime.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::logs {

enum class CalibrationLogEvent {
  Started,
  Stopped,    // by the user
  Completed,  // with the new total of calibrations
  Capacity,   // the closing record after a completion: capacity and wear
};

struct CalibrationLogContext {
  const battery::SlotTable& slots;
  const view::ShownTexts& texts;  // battery names, capacity and wear as shown
  const health::HealthRecord& record;
  const std::string& dataFolder;  // ends in the path separator
  platform::Runtime& runtime;
  view::ErrorReport& errors;
};

class CalibrationLog {
 public:
  explicit CalibrationLog(const CalibrationLogContext& context);

  // Appends the event's lines, creating the log with its header when it is
  // missing. Callers write only while "Calibration Log" is on. False
  // (reported) when the file cannot be written.
  bool write(CalibrationLogEvent event);

  // The lines an event adds, without the header.
  std::vector<std::string> eventLines(CalibrationLogEvent event) const;

 private:
  const battery::SlotTable& slots_;
  const view::ShownTexts& texts_;
  const health::HealthRecord& record_;
  const std::string& dataFolder_;
  platform::Runtime& runtime_;
  view::ErrorReport& errors_;
};

}  // namespace voltaro::logs
