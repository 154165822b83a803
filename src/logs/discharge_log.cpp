#include "logs/discharge_log.h"

#include <vector>

#include "common/file_io.h"
#include "common/rounding.h"
#include "common/text_format.h"
#include "logs/log_files.h"
#include "logs/log_stamp.h"
#include "monitor/time_texts.h"

namespace voltaro::logs {

DischargeLog::DischargeLog(const DischargeLogContext& context)
    : slots_(context.slots),
      live_(context.live),
      texts_(context.texts),
      dataFolder_(context.dataFolder),
      runtime_(context.runtime),
      errors_(context.errors) {}

void DischargeLog::failed(const std::string& path, const std::string& message) {
  errors_.reportFileFault(path, message);
}

void DischargeLog::succeeded(const std::string& path) {
  errors_.fileRecovered(path);
}

void DischargeLog::step() {
  const std::string current = dataFolder_ + std::string(kDischargeLogFile);
  if (live_.onPower) {
    rotate(current);
    return;
  }
  const float percent = live_.percent(slots_.currentSlot);
  if (!fileExists(current)) {
    start(current, percent);
    return;
  }
  append(current, percent);
}

void DischargeLog::rotate(const std::string& current) {
  if (!fileExists(current)) return;
  const std::string old = dataFolder_ + std::string(kOldDischargeLogFile);
  // The rename replaces the old log in one step: a failure keeps both logs.
  const FileWrite moved = moveFile(current, old);
  if (!moved) {
    failed(current, "Input/output error: cannot move \"" + current + "\" to \"" + old +
                        "\": " + moved.cause + ".");
    return;
  }
  succeeded(current);
}

std::string DischargeLog::entry(float percent, DayTime now) const {
  const LogStamp stamp = logStamp(now);
  return stamp.date + "\t" + stamp.time + "\t" + fixedText(percent, 1) + " % ";
}

void DischargeLog::start(const std::string& current, float percent) {
  const DayTime now = runtime_.now();
  const std::vector<std::string> lines{
      "Voltaro v9.2 - Discharge log file",
      " ",
      batteryIdLine(slots_.currentSlot, texts_),
      "Sampling rate: " + std::to_string(kSamplingSeconds) + " seconds",
      " ",
      entry(percent, now),
  };
  const FileWrite written = writeTextLines(current, lines);
  if (!written) {
    failed(current,
           "Input/output error: cannot create \"" + current + "\": " + written.cause + ".");
    return;
  }
  succeeded(current);
  lastLevel_ = roundHalfEven(percent);
  lastEntryTime_ = now;
}

void DischargeLog::append(const std::string& current, float percent) {
  const std::int64_t level = roundHalfEven(percent);
  if (level == lastLevel_) return;
  const DayTime now = runtime_.now();
  std::string line = entry(percent, now);
  if (lastEntryTime_ != 0) {
    const std::int64_t seconds = roundHalfEven((now - lastEntryTime_) * kSecondsPerDay);
    // A clock set back would give a negative span; it reads as 0 sec.
    line += "    " + monitor::minsec(static_cast<std::uint32_t>(seconds < 0 ? 0 : seconds));
  }
  const FileWrite written = appendTextLines(current, {line});
  if (!written) {
    // The level stays unlogged, so the next step tries again by itself.
    failed(current,
           "Input/output error: cannot write to \"" + current + "\": " + written.cause + ".");
    return;
  }
  succeeded(current);
  lastLevel_ = level;
  lastEntryTime_ = now;
}

}  // namespace voltaro::logs
