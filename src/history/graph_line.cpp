#include "history/graph_line.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace voltaro::history {
namespace {

bool whole(double value) {
  return value == std::floor(value);
}

// A flat-ended vertical line whose edges and ends fall on pixel boundaries
// covers whole pixels only: every pixel it touches has coverage 1 and every
// other pixel 0, so antialiasing has nothing to smooth. All fill lines but
// the last are of this kind.
std::optional<QRect> wholePixelArea(QPointF from, QPointF to, const LineStyle& style) {
  if (style.cap != Qt::FlatCap || from.x() != to.x()) return std::nullopt;
  const double left = from.x() - style.width / 2;
  if (!whole(left) || !whole(style.width) || !whole(from.y()) || !whole(to.y())) {
    return std::nullopt;
  }
  const int top = static_cast<int>(std::min(from.y(), to.y()));
  const int height = static_cast<int>(std::abs(to.y() - from.y()));
  return QRect(static_cast<int>(left), top, static_cast<int>(style.width), height);
}

// Blends such a line straight into the image the painter draws on. The
// raster engine spends a span per pixel on one-pixel-wide columns, which made
// a filled redraw some twenty times slower than this loop. Returns false
// where the painter is not drawing plainly onto a 32-bit image.
bool blendIntoImage(QPainter& painter, QRect area, const LineStyle& style) {
  auto* image = dynamic_cast<QImage*>(painter.device());
  if (!image || painter.hasClipping() || !painter.transform().isIdentity()) return false;
  if (image->format() != QImage::Format_RGB32 &&
      image->format() != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  area &= image->rect();
  const auto weight =
      static_cast<std::uint32_t>(std::lround(std::clamp(style.opacity, 0.0, 1.0) * 256));
  const QRgb source = style.color.rgb();  // opaque, so already premultiplied
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb target = line[x];
      const auto mix = [&](int shift) {
        const std::uint32_t s = (source >> shift) & 0xFF;
        const std::uint32_t t = (target >> shift) & 0xFF;
        return ((s * weight + t * (256 - weight)) >> 8) << shift;
      };
      line[x] = mix(24) | mix(16) | mix(8) | mix(0);
    }
  }
  return true;
}

}  // namespace

void drawGraphLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style) {
  if (const auto area = wholePixelArea(from, to, style)) {
    if (blendIntoImage(painter, *area, style)) return;
  }
  QPen pen(style.color);
  pen.setWidthF(style.width);
  pen.setCapStyle(style.cap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setOpacity(style.opacity);
  painter.setPen(pen);
  painter.drawLine(from, to);
}

}  // namespace voltaro::history
