// Drawing with the skin's Qt pictures: the battery gauge of the left column and
// the captions on the top-bar strips (frontend/main_window/gauge_drawing.h).
#pragma once

#include <QImage>
#include <QString>

#include "frontend/main_window/gauge_drawing.h"

namespace voltaro::app {

using frontend::main_window::captionPointSize;
using frontend::main_window::GaugeMode;
using frontend::main_window::gaugeMode;

struct GaugePictures {
  QImage empty;            // 49 x 111
  QImage emptyCharging;    // 49 x 111
  QImage fill[4];          // 45 x 100, by GaugeMode
  QImage fillCharging[4];  // 45 x 100, by GaugeMode
};

// The pictures from the program's resources.
GaugePictures loadGaugePictures();

// drawgauge on `gauge` (49 x 111, starting as the empty picture).
void drawGauge(QImage& gauge, const GaugePictures& pictures, int level, bool chargingCase,
               GaugeMode mode);

// Paints `caption` on the first three 90-pixel frames of a top-bar strip at
// (x, 60), (x + 90, 60) and (x + 180, 60).
void paintStripCaption(QImage& strip, const QString& caption, int x, double dotsPerInch);

}  // namespace voltaro::app
