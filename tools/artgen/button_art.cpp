// The top-bar strips and the six small strips of round controls.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace voltaro::artgen {

namespace {
constexpr int kFrame = 90;
constexpr int kSmall = 26;
constexpr int kFrames = 4;

// The icons are drawn in a 40 x 40 box whose top left is (0, 0).
void iconSave(QPainter& p) {
  p.drawRoundedRect(QRectF(4, 4, 32, 32), 4, 4);
  p.drawRect(QRectF(11, 4, 18, 10));
  p.drawRect(QRectF(10, 22, 20, 14));
  p.drawLine(QPointF(23, 7), QPointF(23, 11));
}
void iconInfo(QPainter& p) {
  p.drawEllipse(QRectF(3, 3, 34, 34));
  p.drawLine(QPointF(20, 17), QPointF(20, 30));
  p.drawPoint(QPointF(20, 11));
}
void iconGraph(QPainter& p) {
  p.drawLine(QPointF(4, 4), QPointF(4, 36));
  p.drawLine(QPointF(4, 36), QPointF(37, 36));
  QPainterPath line;
  line.moveTo(7, 28);
  line.lineTo(15, 20);
  line.lineTo(22, 25);
  line.lineTo(34, 9);
  p.drawPath(line);
}
void iconSettings(QPainter& p) {
  QPainterPath gear;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const double angle = i * M_PI / teeth;
    const double r = (i % 2 == 0) ? 17 : 13;
    const QPointF a(20 + r * std::cos(angle - 0.18), 20 + r * std::sin(angle - 0.18));
    const QPointF b(20 + r * std::cos(angle + 0.18), 20 + r * std::sin(angle + 0.18));
    if (i == 0)
      gear.moveTo(a);
    else
      gear.lineTo(a);
    gear.lineTo(b);
  }
  gear.closeSubpath();
  p.drawPath(gear);
  p.drawEllipse(QRectF(14, 14, 12, 12));
}
void iconAlerts(QPainter& p) {
  QPainterPath bell;
  bell.moveTo(8, 30);
  bell.cubicTo(12, 26, 10, 8, 20, 7);
  bell.cubicTo(30, 8, 28, 26, 32, 30);
  bell.closeSubpath();
  p.drawPath(bell);
  p.drawLine(QPointF(20, 3), QPointF(20, 7));
  p.drawArc(QRectF(16, 30, 8, 6), 180 * 16, 180 * 16);
}
void iconCalibrate(QPainter& p) {
  p.drawArc(QRectF(4, 6, 32, 32), 20 * 16, 140 * 16);
  p.drawArc(QRectF(4, 6, 32, 32), 200 * 16, 140 * 16);
  p.drawLine(QPointF(34, 11), QPointF(35.5, 17));
  p.drawLine(QPointF(35.5, 17), QPointF(29.5, 17));
  p.drawLine(QPointF(6, 33), QPointF(4.5, 27));
  p.drawLine(QPointF(4.5, 27), QPointF(10.5, 27));
  p.drawLine(QPointF(20, 22), QPointF(26, 15));
}
void iconHome(QPainter& p) {
  QPainterPath house;
  house.moveTo(3, 20);
  house.lineTo(20, 4);
  house.lineTo(37, 20);
  p.drawPath(house);
  p.drawRect(QRectF(9, 18, 22, 18));
  p.drawRect(QRectF(17, 25, 7, 11));
}
void iconGreen(QPainter& p) {
  QPainterPath leaf;
  leaf.moveTo(6, 34);
  leaf.cubicTo(4, 12, 18, 4, 36, 4);
  leaf.cubicTo(36, 22, 28, 36, 6, 34);
  p.drawPath(leaf);
  p.drawLine(QPointF(6, 34), QPointF(26, 14));
}
void iconHelp(QPainter& p) {
  p.drawEllipse(QRectF(3, 3, 34, 34));
  QPainterPath q;
  q.moveTo(14, 15);
  q.cubicTo(14, 8, 26, 8, 26, 15);
  q.cubicTo(26, 20, 20, 20, 20, 25);
  p.drawPath(q);
  p.drawPoint(QPointF(20, 31));
}
void iconMinimize(QPainter& p) {
  p.drawRoundedRect(QRectF(4, 6, 32, 26), 3, 3);
  p.drawLine(QPointF(12, 26), QPointF(28, 26));
  p.drawLine(QPointF(20, 11), QPointF(20, 20));
  p.drawLine(QPointF(16, 17), QPointF(20, 21));
  p.drawLine(QPointF(24, 17), QPointF(20, 21));
}
void iconExit(QPainter& p) {
  p.drawArc(QRectF(5, 6, 30, 30), 125 * 16, 290 * 16);
  p.drawLine(QPointF(20, 3), QPointF(20, 19));
}

void drawIcon(QPainter& p, const QString& name) {
  if (name == "save")
    iconSave(p);
  else if (name == "info")
    iconInfo(p);
  else if (name == "graph")
    iconGraph(p);
  else if (name == "settings")
    iconSettings(p);
  else if (name == "alerts")
    iconAlerts(p);
  else if (name == "calibrate")
    iconCalibrate(p);
  else if (name == "home")
    iconHome(p);
  else if (name == "green")
    iconGreen(p);
  else if (name == "help")
    iconHelp(p);
  else if (name == "minimize")
    iconMinimize(p);
  else
    iconExit(p);
}

void topFrame(QPainter& p, int frame, const QString& icon) {
  const QRectF tile(frame * kFrame + 0.5, 0.5, kFrame - 1, kFrame - 1);
  QLinearGradient face(0, 0, 0, kFrame);
  QColor iconColour = kIconRest;
  if (frame == 1) {
    face.setColorAt(0, QColor(50, 58, 100));
    face.setColorAt(1, QColor(30, 34, 62));
    iconColour = kIconHot;
  } else if (frame == 2) {
    face.setColorAt(0, kAccent.darker(140));
    face.setColorAt(1, kAccent.darker(200));
    iconColour = kIconPressed;
  } else {
    face.setColorAt(0, QColor(36, 40, 70));
    face.setColorAt(1, QColor(22, 25, 46));
  }
  p.setPen(frame == 0 ? QColor(44, 49, 84) : kAccent);
  p.setBrush(face);
  p.drawRoundedRect(tile, 6, 6);
  p.save();
  p.translate(frame * kFrame + 25, 10 + (frame == 2 ? 1 : 0));
  p.setPen(QPen(iconColour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  drawIcon(p, icon);
  p.restore();
}

void smallFace(QPainter& p, int frame, const QColor& fill, const QColor& ring) {
  const QRectF disc(frame * kSmall + 1.5, 1.5, kSmall - 3, kSmall - 3);
  QColor face = fill;
  QColor edge = ring;
  if (frame == 1) {
    face = fill.lighter(135);
    edge = kAccent.lighter(150);
  } else if (frame == 2) {
    face = fill.darker(130);
    edge = kAccent;
  }
  QLinearGradient shade(0, 0, 0, kSmall);
  shade.setColorAt(0, face.lighter(115));
  shade.setColorAt(1, face.darker(115));
  p.setPen(QPen(edge, 1.6));
  p.setBrush(shade);
  p.drawEllipse(disc);
}

void smallGlyph(QPainter& p, int frame, const QString& kind) {
  p.save();
  p.translate(frame * kSmall + (frame == 2 ? 0.5 : 0), frame == 2 ? 0.5 : 0);
  const QColor ink = frame == 0 ? QColor(220, 226, 240) : Qt::white;
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  if (kind == "checked") {
    QPainterPath tick;
    tick.moveTo(8, 13.5);
    tick.lineTo(11.5, 17);
    tick.lineTo(18, 9.5);
    p.drawPath(tick);
  } else if (kind == "notchecked") {
    p.setPen(QPen(QColor(90, 98, 130), 1.6));
    p.drawEllipse(QRectF(9, 9, 8, 8));
  } else if (kind == "dreapta") {
    p.drawLine(QPointF(11, 8), QPointF(16, 13));
    p.drawLine(QPointF(16, 13), QPointF(11, 18));
  } else if (kind == "stanga") {
    p.drawLine(QPointF(15, 8), QPointF(10, 13));
    p.drawLine(QPointF(10, 13), QPointF(15, 18));
  } else {
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (kind == "plusul") p.drawLine(QPointF(13, 8), QPointF(13, 18));
  }
  p.restore();
}
}  // namespace

QImage drawTopBarStrip(const QString& icon) {
  QImage image(kFrame * kFrames, kFrame, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < kFrames; ++frame) topFrame(p, frame, icon);
  return image;
}

QImage drawSmallStrip(const QString& kind) {
  QImage image(kSmall * kFrames, kSmall, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool on = kind == "checked";
  const bool off = kind == "notchecked";
  const QColor fill = on ? kGreenOn : off ? QColor(30, 33, 54) : QColor(44, 62, 104);
  const QColor ring = on ? kGreenOn.lighter(130) : kRing;
  for (int frame = 0; frame < kFrames; ++frame) {
    smallFace(p, frame, fill, ring);
    smallGlyph(p, frame, kind);
  }
  return image;
}

}  // namespace voltaro::artgen
