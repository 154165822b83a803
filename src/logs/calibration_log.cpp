#include "logs/calibration_log.h"

#include "common/file_io.h"
#include "logs/log_files.h"
#include "logs/log_stamp.h"

namespace voltaro::logs {

using view::Page;

CalibrationLog::CalibrationLog(const CalibrationLogContext& context)
    : slots_(context.slots),
      texts_(context.texts),
      record_(context.record),
      dataFolder_(context.dataFolder),
      runtime_(context.runtime),
      errors_(context.errors) {}

std::vector<std::string> CalibrationLog::eventLines(CalibrationLogEvent event) const {
  const LogStamp stamp = logStamp(runtime_.now());
  const std::string at = stamp.date + " " + stamp.time;
  switch (event) {
    case CalibrationLogEvent::Started:
      return {"Started @ " + at};
    case CalibrationLogEvent::Stopped:
      return {"Stopped @ " + at, " "};
    case CalibrationLogEvent::Completed:
      return {"Completed @ " + at, "Total calibrations: " + std::to_string(record_.calibrations)};
    case CalibrationLogEvent::Capacity:
      return {"Full Charged Capacity: " + texts_.get(Page::Information, "Full Charged Capacity") +
                  " mWh",
              "Wear Level: " + texts_.get(Page::Calibrate, "Wear Level") + " %", " "};
  }
  return {};
}

bool CalibrationLog::write(CalibrationLogEvent event) {
  const std::string path = dataFolder_ + std::string(kCalibrationLogFile);
  std::vector<std::string> lines;
  if (!fileExists(path)) {
    lines = {"Voltaro v9.2 - Calibration log file", " ", batteryIdLine(slots_.currentSlot, texts_),
             " "};
  }
  for (std::string& line : eventLines(event)) lines.push_back(std::move(line));
  // The header and the event go in as one append: all of it or nothing.
  const FileWrite written = appendTextLines(path, lines);
  if (written) {
    errors_.fileRecovered(path);
    return true;
  }
  errors_.reportFileFault(
      path, "Input/output error: cannot write to \"" + path + "\": " + written.cause + ".");
  return false;
}

}  // namespace voltaro::logs
