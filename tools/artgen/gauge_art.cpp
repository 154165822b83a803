// The battery gauge of the left column: the empty body (49 x 111, the level
// column on rows 9..109 and columns 2..47) and the 45 x 100 fills that are
// copied into it from the bottom up, one row per percent.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "art.h"
#include "palette.h"

namespace voltaro::artgen {

namespace {
QColor fillColour(const QString& mode) {
  if (mode == "green") return QColor(128, 204, 64);
  if (mode == "calibration") return QColor(232, 170, 44);
  if (mode == "fastdischarge") return QColor(226, 84, 64);
  return QColor(56, 190, 122);
}

QPainterPath bolt(double cx, double cy, double scale) {
  QPainterPath path;
  const QPointF points[] = {{3, -14}, {-6, 2}, {0, 2}, {-3, 14}, {6, -2}, {0, -2}};
  path.moveTo(cx + points[0].x() * scale, cy + points[0].y() * scale);
  for (int i = 1; i < 6; ++i) path.lineTo(cx + points[i].x() * scale, cy + points[i].y() * scale);
  path.closeSubpath();
  return path;
}
}  // namespace

QImage drawGaugeEmpty(bool charging) {
  QImage image(49, 111, QImage::Format_RGB32);
  image.fill(kColumn);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kGaugeOutline);
  p.drawRoundedRect(QRectF(15, 2, 19, 8), 2, 2);
  p.setBrush(kGaugeInside);
  p.setPen(QPen(kGaugeOutline, 2));
  p.drawRoundedRect(QRectF(1, 9, 47, 101), 4, 4);
  // Faint tick marks every ten percent inside the body.
  p.setPen(QPen(QColor(40, 44, 72), 1));
  for (int percent = 10; percent < 100; percent += 10) {
    const int y = 109 - percent;
    p.drawLine(QPointF(6, y + 0.5), QPointF(43, y + 0.5));
  }
  if (charging) {
    p.setPen(QPen(QColor(120, 190, 255), 1.5));
    p.setBrush(QColor(40, 70, 110));
    p.drawPath(bolt(24.5, 50, 1.6));
  }
  return image;
}

QImage drawGaugeFill(const QString& mode, bool charging) {
  QImage image(45, 100, QImage::Format_RGB32);
  const QColor base = fillColour(mode);
  QLinearGradient cylinder(0, 0, 45, 0);
  cylinder.setColorAt(0, base.darker(150));
  cylinder.setColorAt(0.35, base.lighter(125));
  cylinder.setColorAt(1, base.darker(160));
  QPainter p(&image);
  p.fillRect(image.rect(), cylinder);
  // Cells: a dark line every ten rows, so a partial copy still looks whole.
  p.setPen(QPen(base.darker(220), 1));
  for (int row = 9; row < 100; row += 10) p.drawLine(0, row, 44, row);
  if (charging) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 48));
    for (int y = -45; y < 100; y += 12) {
      QPainterPath stripe;
      stripe.moveTo(0, y + 45);
      stripe.lineTo(45, y);
      stripe.lineTo(45, y + 5);
      stripe.lineTo(0, y + 50);
      stripe.closeSubpath();
      p.drawPath(stripe);
    }
  }
  return image;
}

QImage drawTrayIcon(int state) {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool chargingFrame = state >= 15;
  // States 0..14 grow the charge; the two charging frames show two levels.
  const double level = chargingFrame ? (state == 15 ? 0.45 : 0.85) : state / 14.0;
  QColor fill = QColor(56, 190, 122);
  if (!chargingFrame && state <= 2)
    fill = QColor(226, 72, 56);
  else if (!chargingFrame && state <= 5)
    fill = QColor(232, 170, 44);
  if (chargingFrame) fill = QColor(64, 160, 236);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 236, 250));
  p.drawRoundedRect(QRectF(23, 3, 18, 7), 2, 2);
  p.setBrush(QColor(16, 18, 34, 230));
  p.setPen(QPen(QColor(230, 236, 250), 4));
  p.drawRoundedRect(QRectF(12, 10, 40, 51), 6, 6);
  const double inner = 43;
  const double height = std::max(level * inner, state == 0 ? 3.0 : 0.0);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(17, 14 + inner - height, 30, height), 2, 2);
  if (chargingFrame) {
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(16, 18, 34), 1.5));
    p.drawPath(bolt(32, 36, 1.45));
  }
  return image;
}

}  // namespace voltaro::artgen
