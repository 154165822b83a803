// The graph's line primitive for a QPainter: antialiased, with a fractional
// width and an opacity; and the mapping from history columns and values to
// pixels.
#pragma once

#include <QColor>
#include <QPointF>

#include "history/graph_geometry.h"

class QPainter;

namespace voltaro::history {

struct LineStyle {
  QColor color;
  double width = 1.0;    // pixels
  double opacity = 1.0;  // 0..1
  // Translucent lines keep flat ends, so neighbouring fill lines never blend
  // twice; the opaque charge line uses round ends to close its bends.
  Qt::PenCapStyle cap = Qt::FlatCap;
};

void drawGraphLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style);

}  // namespace voltaro::history
