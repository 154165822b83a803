#include "canvas/qt_canvas.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace voltaro::canvas {

namespace {
// 96 dots per inch as dots per metre.
constexpr int kDotsPerMeter96 = 3780;

QRect qtRect(Rect r) {
  return QRect(r.left, r.top, r.width, r.height);
}

int alignment(HAlign horizontal, VAlign vertical) {
  int flags = Qt::TextSingleLine;
  switch (horizontal) {
    case HAlign::Left:
      flags |= Qt::AlignLeft;
      break;
    case HAlign::Centre:
      flags |= Qt::AlignHCenter;
      break;
    case HAlign::Right:
      flags |= Qt::AlignRight;
      break;
  }
  switch (vertical) {
    case VAlign::Top:
      flags |= Qt::AlignTop;
      break;
    case VAlign::Middle:
      flags |= Qt::AlignVCenter;
      break;
  }
  return flags;
}

QPolygonF qtPoints(std::span<const Point> points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) polygon << QPointF(p.x, p.y);
  return polygon;
}
}  // namespace

QtCanvas::QtCanvas(QImage& image)
    : ownPainter_(std::make_unique<QPainter>(&image)), painter_(ownPainter_.get()) {}

QtCanvas::QtCanvas(PixelMemory memory)
    : ownImage_(std::make_unique<QImage>(
          reinterpret_cast<uchar*>(memory.pixels), memory.width, memory.height, memory.width * 4,
          memory.premultipliedAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)) {
  ownImage_->setDotsPerMeterX(kDotsPerMeter96);
  ownImage_->setDotsPerMeterY(kDotsPerMeter96);
  ownPainter_ = std::make_unique<QPainter>(ownImage_.get());
  painter_ = ownPainter_.get();
}

QtCanvas::~QtCanvas() = default;

QFont QtCanvas::qtFont(const Font& font, double dotsPerInch) {
  QFont q(QString::fromStdString(font.family));
  if (font.pixels == std::floor(font.pixels)) {
    q.setPixelSize(std::max(1, static_cast<int>(font.pixels)));
  } else {
    q.setPointSizeF(font.pixels * 72.0 / (dotsPerInch > 0 ? dotsPerInch : 96.0));
  }
  q.setWeight(font.bold ? QFont::Bold : QFont::Normal);
  int strategy = QFont::PreferAntialias;
  if (font.greyscale) strategy |= QFont::NoSubpixelAntialias;
  q.setStyleStrategy(QFont::StyleStrategy(strategy));
  if (!font.hinted) q.setHintingPreference(QFont::PreferNoHinting);
  return q;
}

bool QtCanvas::blendIntoImage(Rect area, Colour colour, double opacity) {
  // The raster engine spends a span per pixel on one-pixel-wide columns,
  // which made a filled graph some twenty times slower than this loop.
  auto* image = dynamic_cast<QImage*>(painter_->device());
  if (!image || painter_->hasClipping() || !painter_->transform().isIdentity()) return false;
  if (image->format() != QImage::Format_RGB32 &&
      image->format() != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  const QRect box = qtRect(area) & image->rect();
  const auto weight = static_cast<std::uint32_t>(std::lround(std::clamp(opacity, 0.0, 1.0) * 256));
  const QRgb source = 0xFF000000u | colour;  // opaque, so already premultiplied
  for (int y = box.top(); y <= box.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
    for (int x = box.left(); x <= box.right(); ++x) {
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

void QtCanvas::fill(Rect area, Colour colour, double opacity) {
  if (opacity < 1.0 && blendIntoImage(area, colour, opacity)) return;
  painter_->setOpacity(opacity);
  painter_->fillRect(qtRect(area), qtColour(colour));
}

void QtCanvas::drawPicture(int x, int y, const Picture& picture, Rect source) {
  const auto* own = dynamic_cast<const QtPicture*>(&picture);
  if (own == nullptr) return;
  painter_->setOpacity(1.0);
  painter_->drawImage(QPoint(x, y), own->image(), qtRect(source));
}

void QtCanvas::text(Rect box, std::string_view utf8, const Font& font, Colour colour,
                    HAlign horizontal, VAlign vertical) {
  painter_->setOpacity(1.0);
  painter_->setFont(qtFont(font, painter_->device()->logicalDpiY()));
  painter_->setPen(qtColour(colour));
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->drawText(qtRect(box), alignment(horizontal, vertical),
                     QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void QtCanvas::polyline(std::span<const Point> points, const Stroke& stroke) {
  if (points.size() < 2) return;
  QPen pen(qtColour(stroke.colour));
  pen.setWidthF(stroke.width);
  pen.setCapStyle(stroke.cap == LineCap::Round ? Qt::RoundCap : Qt::FlatCap);
  if (stroke.cap == LineCap::Round) pen.setJoinStyle(Qt::RoundJoin);
  painter_->setRenderHint(QPainter::Antialiasing, true);
  painter_->setOpacity(stroke.opacity);
  painter_->setPen(pen);
  if (points.size() == 2) {
    painter_->drawLine(QPointF(points[0].x, points[0].y), QPointF(points[1].x, points[1].y));
  } else {
    painter_->drawPolyline(qtPoints(points));
  }
}

void QtCanvas::polygon(std::span<const Point> points, Colour colour, double opacity) {
  if (points.size() < 3) return;
  painter_->setRenderHint(QPainter::Antialiasing, true);
  painter_->setOpacity(opacity);
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(qtColour(colour));
  painter_->drawPolygon(qtPoints(points));
  painter_->setBrush(Qt::NoBrush);
}

}  // namespace voltaro::canvas
