#include "history/graph_stroke.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace voltaro::history {
namespace {

bool whole(double value) {
  return value == std::floor(value);
}

// A flat-ended vertical line whose edges and ends fall on pixel boundaries
// covers whole pixels only: every pixel it touches has coverage 1 and every
// other pixel 0, so antialiasing has nothing to smooth and a translucent fill
// of the same pixels draws it. All fill lines but the last are of this kind.
std::optional<canvas::Rect> wholePixelArea(canvas::Point from, canvas::Point to,
                                           const canvas::Stroke& stroke) {
  if (stroke.cap != canvas::LineCap::Flat || from.x != to.x) return std::nullopt;
  const double left = from.x - stroke.width / 2;
  if (!whole(left) || !whole(stroke.width) || !whole(from.y) || !whole(to.y)) return std::nullopt;
  const int top = static_cast<int>(std::min(from.y, to.y));
  const int height = static_cast<int>(std::abs(to.y - from.y));
  return canvas::Rect{static_cast<int>(left), top, static_cast<int>(stroke.width), height};
}

}  // namespace

void strokeGraphLine(canvas::Canvas& canvas, canvas::Point from, canvas::Point to,
                     const canvas::Stroke& stroke) {
  if (const auto area = wholePixelArea(from, to, stroke)) {
    canvas.fill(*area, stroke.colour, stroke.opacity);
    return;
  }
  const canvas::Point points[] = {from, to};
  canvas.polyline(points, stroke);
}

}  // namespace voltaro::history
