// Drawing the history onto the graph picture: the current-level label, the
// charge line (plain or smooth), the fill lines by state and the discharge
// line with its end point.
#pragma once

#include <cstdint>
#include <optional>

#include "canvas/canvas.h"
#include "history/charge_history.h"

namespace voltaro::history {

struct GraphOptions {
  bool smooth = false;        // SmoothGraphics
  bool filled = true;         // FilledGraphics
  bool dischargeLine = true;  // DischargeLine
  double dotsPerInch = 96.0;  // of the screen the window is on
};

// The live figures of the selected battery that the drawing reads.
struct GraphReadings {
  double chargePercent = 0.0;          // 0..100 (a little above 100 on some drivers)
  bool onPower = true;                 // on external power
  std::uint32_t remainingSeconds = 0;  // 0 or 0xFFFFFFFF when unknown
};

constexpr std::uint32_t kUnknownTime = 0xFFFFFFFF;  // BATTERY_UNKNOWN_TIME

// A point of the plot in history terms: column 0..720 and value 0..400.
struct PlotPoint {
  double column = 0.0;
  double value = 0.0;
  bool operator==(const PlotPoint&) const = default;
};

// Where the projection to empty starts and ends, or nothing when the line is
// not drawn (option off, not the newest 1-hour view, on power, time unknown,
// fewer than two samples).
struct DischargeProjection {
  PlotPoint from;
  PlotPoint to;
};
std::optional<DischargeProjection> dischargeProjection(const ChargeHistory& history,
                                                       const GraphOptions& options,
                                                       const GraphReadings& readings);

// Draws the history over a picture that holds a copy of the background.
void drawHistory(canvas::Canvas& canvas, const ChargeHistory& history, const GraphOptions& options,
                 const GraphReadings& readings);

}  // namespace voltaro::history
