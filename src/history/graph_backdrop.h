// The background picture of the graph, 800 × 434 pixels, and the axis texts
// painted onto it.
#pragma once

#include "canvas/canvas.h"
#include "history/graph_geometry.h"

namespace voltaro::history {

// A dark plot area (x 40..760, y 16..416) with a quiet grid: a line every
// 10 % and a line every quarter of the span, which is the grid step every
// zoom names ("Grid: 15 min" for 1 h up to "Grid: 4 h" for 16 h). Outside
// the plot area the picture is black.
void paintGraphBackground(canvas::Canvas& canvas);

// Blackens the left axis and the bottom line, then writes the percent scale
// and the zoom's grid and time texts.
void paintGraphAxes(canvas::Canvas& canvas, int zoom, double dotsPerInch);

}  // namespace voltaro::history
