// The desktop gadget's 2D skins and charging symbols, and the alpha
// encoding of every gadget skin.
//
// The program reads a skin's alpha a through a level rule: below 240 the
// pixel's alpha becomes round(a x 255 / 240), from 240 on it is opaque, and
// levels 240..254 keep unpremultiplied colours. So a wanted alpha is written
// as a x 240 / 255, and the wanted alphas that would land on 240..254 are
// written just below (a = 225, level 239) instead.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "art.h"

namespace voltaro::artgen {

namespace {
const QColor kKey(0x60, 0x60, 0x60);
const QColor kOutline(170, 182, 214);
const QColor kFill(46, 182, 108);

// Measures of a flat battery. The program shows level L with the full
// picture's rows from levelBase - L x rowsPerPercent down, so the inside is
// coloured from `fillBottom` up to that row at 100 %.
struct Flat {
  int width, height;
  QRectF body, cap;
  double fillLeft, fillRight, fillBottom, levelBase, rowsPerPercent;
  double corner, pen;
};
const Flat kLargeFlat{
    96, 216, QRectF(12, 12, 72, 203), QRectF(36, 3, 24, 10), 16, 80, 213.5, 215, 2, 7, 2.5};
const Flat kSmallFlat{49, 109, QRectF(5, 6, 39, 102), QRectF(18, 1, 13, 6), 8, 41, 106.5, 108, 1,
                      4,  1.5};

QImage flatBattery(const Flat& f, bool full) {
  QImage image(f.width, f.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline.darker(115));
  p.drawRoundedRect(f.cap, 2, 2);
  p.setBrush(QColor(28, 34, 60, 140));
  p.setPen(QPen(kOutline, f.pen));
  p.drawRoundedRect(f.body, f.corner, f.corner);
  if (!full) return image;
  // Full: the inside coloured from the bottom to the 100 % row, with a
  // faint line every ten percent.
  const double top = f.levelBase - 100 * f.rowsPerPercent;
  QLinearGradient across(f.fillLeft, 0, f.fillRight, 0);
  across.setColorAt(0, kFill.darker(150));
  across.setColorAt(0.3, kFill.lighter(135));
  across.setColorAt(1, kFill.darker(160));
  p.setPen(Qt::NoPen);
  p.setBrush(across);
  p.drawRoundedRect(QRectF(f.fillLeft, top, f.fillRight - f.fillLeft, f.fillBottom - top),
                    f.corner / 2, f.corner / 2);
  p.setPen(QPen(QColor(20, 70, 44, 120), 1));
  for (int percent = 10; percent < 100; percent += 10) {
    const double y = f.levelBase - percent * f.rowsPerPercent + 0.5;
    p.drawLine(QPointF(f.fillLeft + 1, y), QPointF(f.fillRight - 1, y));
  }
  return image;
}

QPainterPath bolt(double cx, double cy, double scale) {
  const QPointF points[] = {{3, -12}, {-7, 2}, {-1, 2}, {-3, 12}, {7, -2}, {1, -2}};
  QPainterPath path;
  path.moveTo(cx + points[0].x() * scale, cy + points[0].y() * scale);
  for (int i = 1; i < 6; ++i) path.lineTo(cx + points[i].x() * scale, cy + points[i].y() * scale);
  path.closeSubpath();
  return path;
}

std::uint8_t encodedAlpha(int alpha) {
  if (alpha >= 248) return 255;
  if (alpha >= 240) return 225;
  return static_cast<std::uint8_t>(std::min<long>(std::lround(alpha * 240.0 / 255.0), 225));
}

QImage encodeGadgetAlpha(const QImage& picture) {
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = line[x];
      line[x] = qRgba(qRed(p), qGreen(p), qBlue(p), encodedAlpha(qAlpha(p)));
    }
  }
  return image;
}
}  // namespace

QImage drawGadget2D(int number) {
  const Flat& f = number % 2 == 0 ? kSmallFlat : kLargeFlat;
  return flatBattery(f, number >= 3);
}

QImage drawGadgetSkin(int number) {
  return encodeGadgetAlpha(number <= 4 ? drawGadget2D(number) : drawGadget3D(number));
}

QImage drawChargingSymbol(bool small) {
  QImage image(small ? 49 : 96, small ? 30 : 50, QImage::Format_RGB32);
  image.fill(kKey);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient glow(0, 0, 0, image.height());
  glow.setColorAt(0, QColor(255, 236, 120));
  glow.setColorAt(1, QColor(255, 168, 40));
  p.setBrush(glow);
  p.setPen(QPen(QColor(40, 30, 16), small ? 1.2 : 1.8));
  p.drawPath(bolt(image.width() / 2.0, image.height() / 2.0, small ? 1.05 : 1.75));
  return image;
}

}  // namespace voltaro::artgen
