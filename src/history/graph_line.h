// The line primitive of the graph: antialiased, with a fractional width and an
// opacity, blended onto the surface; and the mapping from history columns and
// quarter-percent values to surface pixels.
#pragma once

#include <QColor>
#include <QPointF>

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

// Column c (0..720) sits at x = 40 + c. Lines run through pixel centres, so a
// 1-pixel vertical line covers exactly one pixel column.
constexpr double columnX(double column) {
  return 40.0 + column + 0.5;
}
// A charge-line point of value v (0..400) sits at y = 416 - v.
constexpr double chargeY(double value) {
  return 416.0 - value;
}
// A fill line runs from y = 418 - v down to y = 414.
constexpr double fillTopY(double value) {
  return 418.0 - value;
}
constexpr double kFillBottomY = 414.0;

}  // namespace voltaro::history
