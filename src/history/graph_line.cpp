#include "history/graph_line.h"

#include <QPainter>
#include <QPen>

namespace voltaro::history {

void drawGraphLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style) {
  QPen pen(style.color);
  pen.setWidthF(style.width);
  pen.setCapStyle(style.cap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setOpacity(style.opacity);
  painter.setPen(pen);
  painter.drawLine(from, to);
}

}  // namespace voltaro::history
