// What the monitoring cycle asks of the other subsystems. The composition
// root implements these with the real health store, history, logs, alerts,
// calibration, fast discharge, gadget and windows; every default does
// nothing (or reports "not running"), so a monitor without them still ticks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/day_number.h"

namespace voltaro::monitor {

// Kind of a charge-history sample; None leaves the sample empty (the charge
// was unknown).
enum class HistoryKind : std::uint8_t {
  OnPowerNotCharging = 1,
  Charging = 2,
  OnBattery = 3,
  None = 4
};

class MonitorHooks {
 public:
  virtual ~MonitorHooks() = default;

  // --- Health store of the primary battery. Each counter operation updates
  // the health record, stores its value file and rewrites its text.
  virtual void addUsageMinute() {}                                  // "22"
  virtual void showChargingMinutes(std::uint32_t /*minutes*/) {}    // running charge, not stored
  virtual void setChargingMinutes(std::uint32_t /*minutes*/) {}     // "77", a completed charge
  virtual void setDischargingMinutes(std::uint32_t /*minutes*/) {}  // "66"
  // "11" and "55", and the left column's "Cycles" when the battery has no count.
  virtual void addFullDischargeHundredth() {}
  // Evaluates the advice items; true when there is advice to show.
  virtual bool evaladvice() { return false; }
  // Clears maximum wear and capacity drop before monitoring starts.
  virtual void resetWearFigures() {}

  // --- The health over months: a status reading of the battery shown was
  // processed this tick; the battery of `slot` left it.
  virtual void readingTaken() {}
  virtual void batteryLeft(int /*slot*/) {}

  // --- Calibration and fast discharge.
  virtual bool calibrationRunning() { return false; }
  // A calibration ended complete and the battery information was read again.
  virtual void calibrationClosed() {}
  // Start of the running fast discharge, nullopt when none runs.
  virtual std::optional<DayTime> fastDischargeStart() { return std::nullopt; }

  // --- Logs.
  virtual void writeDischargeLogRecord() {}
  // The calibration log's closing record (record kind 7).
  virtual void writeCalibrationClosingRecord() {}

  // --- Alerts and system actions.
  virtual void evaluateAlerts() {}
  // Re-opens the display brightness control after a resume, when available.
  virtual void reopenBrightness() {}

  // --- Charge history and graph.
  virtual void recordHistorySample(std::uint16_t /*quarterPercent*/, HistoryKind /*kind*/) {}
  virtual void redrawGraph() {}
  virtual void clearHistory() {}

  // --- The battery gauge picture of the left column; the monitor writes its
  // "Charge" text.
  virtual void drawgauge() {}

  // --- Gadget.
  virtual bool gadgetCreated() { return true; }
  virtual void setGadgetStayOnTop(bool /*onTop*/) {}
  // First reading: tool-window style, place, prepare, show, appearance.
  virtual void showGadgetFirstTime() {}
  virtual void refreshGadget() {}
  // Hides the gadget when it is visible.
  virtual void hideGadget() {}
  virtual void setGadgetHint(const std::string& /*hint*/) {}

  // --- Windows.
  // The Calibrate page (Panel4) is on screen, so the processor meter samples.
  virtual bool calibratePageVisible() { return false; }
  // Shows the advice window, brings it to the top and to the foreground.
  virtual void showAdviceWindow() {}
  // Applies the AutoRun setting to the start-with-system entry.
  virtual void applyAutoRun() {}
};

}  // namespace voltaro::monitor
