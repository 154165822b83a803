// The health record of the primary battery: its eight value files, the wear
// figures derived from it and the texts that show them.
//
// The battery read (config0) sets the key and calls loadhealth; the monitoring
// tick advances the counters through the counter operations; the calibration
// records a completed calibration; import and reset adopt whole sets of values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "battery/battery_state.h"
#include "health/health_export.h"
#include "health/health_hooks.h"
#include "health/health_record.h"
#include "health/unread_values.h"
#include "health/value_files.h"
#include "health/wear.h"
#include "platform/runtime.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::health {

// Name of the calibration start marker in the data folder.
inline constexpr std::string_view kCalibrationMarkerFile = "calib.txt";

struct HealthContext {
  HealthRecord& record;
  const battery::BatteryInfo& info;  // the primary battery whenever loadhealth runs; its key
  const battery::SlotTable& slots;
  const settings::AppSettings& settings;
  const std::string& dataFolder;  // ends in the path separator
  view::ShownTexts& texts;
  view::ErrorReport& errors;
  platform::Runtime& runtime;
  ValueFiles& files;
  HealthHooks& hooks;
};

class HealthStore {
 public:
  explicit HealthStore(const HealthContext& context);

  // `BatteryKey` of the primary battery, built by the battery read. While it
  // is empty nothing is read or written.
  const std::string& batteryKey() const { return info_.batteryKey; }
  // Data folder + key + suffix.
  std::string valuePath(std::string_view suffix) const;

  // True when the selected battery is the one whose record is kept.
  bool primarySelected() const;

  // Refreshes the maximum capacity, the wear figures and the calibration
  // values; with `full` also the calibration state and the four counters.
  // Does nothing unless the selected battery is the primary battery and its
  // key is known. True when it ran and wrote the "Capacity Drop" and "Wear"
  // texts.
  bool loadhealth(bool full);
  // Recomputes the wear figures; shows the maximum wear and the capacity drop.
  void updatewear();
  // Start of monitoring: no maximum wear or capacity drop until the first read.
  void resetWearFigures();

  // Counter operations of the monitoring tick. Each stores its value file at
  // once and rewrites its text.
  void addUsageMinute();                              // "22", on tick 60 on battery
  void showChargingMinutes(std::uint32_t minutes);    // the running charge; not stored
  void setChargingMinutes(std::uint32_t minutes);     // "77", a completed charge
  void setDischargingMinutes(std::uint32_t minutes);  // "66"
  void addFullDischargeHundredth();                   // "11" and "55"

  // A completed calibration: today, one more, no cycles since; "33", "44", "55".
  void recordCalibration();

  // Adopts import or reset values: shows them, saves them in the order
  // "44", "33", "11", "55", "22", key, fills "Cycles" when the battery
  // reports none, and runs updatewear.
  void adopt(const HealthExport& values);

  // Rewrites "Latest Calibration" and the left column's "Days".
  void showDaysSinceCalibration();
  // The left column's "Cycles" copies "Full Discharge Cycles" when the
  // battery reports no cycle count of its own.
  void copyCyclesIfUnreported();

  const HealthRecord& record() const { return record_; }
  const WearFigures& figures() const { return figures_; }
  // False while the value of `suffix` stands for nothing read or set in this
  // run (its file could not be read).
  bool valueKnown(std::string_view suffix) const { return !unread_.unknown(valuePath(suffix)); }
  std::uint32_t today() const;

 private:
  // Damaged: the file holds fewer than 4 bytes, so no value; only a value
  // that replaces the stored one is written over it.
  enum class ReadOutcome { Missing, Read, Failed, Damaged };
  ReadOutcome load(std::string_view suffix, std::uint32_t& value);
  // Saves `value` unless its file could not be read; when that file reads
  // again, `value` first takes the stored value with the counts added since.
  // `replacing` marks a value that supersedes the stored one.
  void store(std::string_view suffix, std::uint32_t& value, bool replacing = false);
  // `text`, or "None" while the value's file could not be read and nothing
  // stands in its place.
  std::string shown(std::string_view suffix, std::string text) const;
  // The battery reports only a percentage: it has no capacities to wear.
  bool relativeUnits() const;
  void refreshWearFigures();
  void raiseMaximumCapacity();
  void loadLatestCalibration();
  void loadCounters();
  void loadCalibrationState();
  void showWear();
  void showCalibrationValues();
  void showCounters();
  void showFullDischargeCycles();
  void showCyclesSinceCalibration();
  void showUsageTime();
  void showMaximumCapacity();
  void setText(view::Page page, std::string_view caption, std::string value);

  HealthRecord& record_;
  const battery::BatteryInfo& info_;
  const battery::SlotTable& slots_;
  const settings::AppSettings& settings_;
  const std::string& dataFolder_;
  view::ShownTexts& texts_;
  view::ErrorReport& errors_;
  platform::Runtime& runtime_;
  ValueFiles& files_;
  HealthHooks& hooks_;
  WearFigures figures_;
  UnreadValues unread_;
};

}  // namespace voltaro::health
