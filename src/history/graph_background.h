// The graph's background picture as a Qt image, and its axis texts.
#pragma once

#include <QImage>

#include "history/graph_backdrop.h"

namespace voltaro::history {

// The background of graph_backdrop.h, 800 × 434, without axis texts.
QImage makeGraphBackground();

// Blackens the left axis and the bottom line, then writes the percent scale
// and the zoom's grid and time texts.
void paintAxes(QImage& background, int zoom, double dotsPerInch);

}  // namespace voltaro::history
