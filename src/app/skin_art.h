// Drawing with the skin's pictures: the battery gauge of the left column and
// the captions on the top-bar strips.
#pragma once

#include <QImage>
#include <QString>

namespace voltaro::app {

// What the gauge fill shows, in order of precedence.
enum class GaugeMode { FastDischarge, Calibration, Green, Normal };

struct GaugePictures {
  QImage empty;            // 49 x 111
  QImage emptyCharging;    // 49 x 111
  QImage fill[4];          // 45 x 100, by GaugeMode
  QImage fillCharging[4];  // 45 x 100, by GaugeMode
};

// The pictures from the program's resources.
GaugePictures loadGaugePictures();

// The mode of the fill from the running procedures and Green Mode.
GaugeMode gaugeMode(bool fastDischarge, bool calibration, bool green);

// drawgauge on `gauge` (49 x 111, starting as the empty picture): the empty
// part from row 9 down to 109 - L, then the bottom L rows of the fill at
// columns 2..46. `level` is min(round(charge percent), 100).
void drawGauge(QImage& gauge, const GaugePictures& pictures, int level, bool chargingCase,
               GaugeMode mode);

// The caption point size for a screen's dots per inch: round(1056 / dpi),
// 11 at 96 dpi and 9 at 120 dpi.
int captionPointSize(double dotsPerInch);

// Paints `caption` on the first three 90-pixel frames of a top-bar strip at
// (x, 60), (x + 90, 60) and (x + 180, 60).
void paintStripCaption(QImage& strip, const QString& caption, int x, double dotsPerInch);

}  // namespace voltaro::app
