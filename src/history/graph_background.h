// The background picture of the graph, 800 × 434 pixels, and the axis texts
// painted onto it.
#pragma once

#include <QImage>

namespace voltaro::history {

constexpr int kGraphWidth = 800;
constexpr int kGraphHeight = 434;

// A dark plot area (x 40..760, y 16..416) with a quiet grid: a line every
// 10 % and a line every quarter of the span, which is the grid step every
// zoom names ("Grid: 15 min" for 1 h up to "Grid: 4 h" for 16 h). Outside
// the plot area the picture is black.
QImage makeGraphBackground();

// Blackens the left axis and the bottom line, then writes the percent scale
// and the zoom's grid and time texts.
void paintAxes(QImage& background, int zoom, double dotsPerInch);

}  // namespace voltaro::history
