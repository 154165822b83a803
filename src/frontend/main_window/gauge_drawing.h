// Drawing with the skin's pictures: the battery gauge of the left column and
// the captions on the top-bar strips, through the drawing port.
#pragma once

#include <array>
#include <string_view>

#include "canvas/canvas.h"

namespace voltaro::frontend::main_window {

// What the gauge fill shows, in order of precedence.
enum class GaugeMode { FastDischarge, Calibration, Green, Normal };
inline constexpr int kGaugeModeCount = 4;

// The mode of the fill from the running procedures and Green Mode.
GaugeMode gaugeMode(bool fastDischarge, bool calibration, bool green);

struct GaugeArt {
  const canvas::Picture* empty = nullptr;                              // 49 x 111
  const canvas::Picture* emptyCharging = nullptr;                      // 49 x 111
  std::array<const canvas::Picture*, kGaugeModeCount> fill{};          // 45 x 100, by GaugeMode
  std::array<const canvas::Picture*, kGaugeModeCount> fillCharging{};  // 45 x 100
};

// drawgauge onto the 49 x 111 gauge: the empty part from row 9 down to
// 109 - L, then the bottom L rows of the fill at columns 2..46. `level` is
// min(round(charge percent), 100).
void drawGauge(canvas::Canvas& gauge, const GaugeArt& art, int level, bool chargingCase,
               GaugeMode mode);

// The caption point size for a screen's dots per inch: round(1056 / dpi),
// 11 at 96 dpi and 9 at 120 dpi.
int captionPointSize(double dotsPerInch);

// Paints `caption` on the first three 90-pixel frames of a top-bar strip at
// (x, 60), (x + 90, 60) and (x + 180, 60), in the screen's pixels.
void paintStripCaption(canvas::Canvas& strip, std::string_view caption, int x, double dotsPerInch);

}  // namespace voltaro::frontend::main_window
