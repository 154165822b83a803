// The 3D gadget skins: a glass cylinder standing upright with a liquid
// column inside. Every piece the program stacks (background, column bottom,
// one-row body slice, surface, the bands of the lowest and highest levels)
// is cut from a whole picture of the battery at some level, so the stacked
// pieces match a whole picture at every level. The body rows are the same
// from top to bottom (shading runs across only), which is what lets the
// program stretch a one-row slice over them.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "art.h"

namespace voltaro::artgen {

namespace {
// Measures of one size. The liquid's surface ellipse ends at row
// surfaceBase - levelRows x L, as the program's stacking rule expects.
struct Cylinder {
  int width;
  double left, right;  // glass walls
  double radius;       // half height of the ellipses
  double top;          // centre of the glass's top ellipse
  double bottom;       // centre of the bottom ellipses
  double inset;        // liquid inside the glass
  double surfaceBase;  // lower edge of the surface at level 0
  double levelRows;    // rows per percent
  double capLeft, capRight, capTop;
};

const Cylinder kLarge{96, 16, 80, 6, 20, 228, 3, 233, 2, 38, 58, 4};
const Cylinder kSmall{49, 7, 42, 3, 11, 114, 2, 117, 1, 19, 30, 2};

const QColor kGlassEdge(170, 182, 214, 210);
const QColor kCapColour(150, 158, 180);
const QColor kGreen(46, 182, 108);
const QColor kRed(214, 64, 52);

QLinearGradient across(double left, double right, const QColor& base, int alpha) {
  QLinearGradient g(left, 0, right, 0);
  QColor dark = base.darker(170);
  QColor light = base.lighter(135);
  dark.setAlpha(alpha);
  light.setAlpha(alpha);
  QColor middle = base;
  middle.setAlpha(alpha);
  g.setColorAt(0, dark);
  g.setColorAt(0.3, light);
  g.setColorAt(0.55, middle);
  g.setColorAt(1, dark);
  return g;
}

// An upright cylinder from the top ellipse's centre to the bottom one's,
// without the top ellipse's front half (that is the surface, drawn apart).
QPainterPath column(double left, double right, double top, double bottom, double radius) {
  QPainterPath path;
  path.addRect(QRectF(left, top, right - left, bottom - top));
  path.addEllipse(QRectF(left, bottom - radius, right - left, 2 * radius));
  path.addEllipse(QRectF(left, top - radius, right - left, 2 * radius));
  return path.simplified();
}

void paintCap(QPainter& p, const Cylinder& c) {
  const double r = c.radius / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(across(c.capLeft, c.capRight, kCapColour, 255));
  p.drawPath(column(c.capLeft, c.capRight, c.capTop + r, c.top, r));
  p.setBrush(kCapColour.lighter(130));
  p.drawEllipse(QRectF(c.capLeft, c.capTop, c.capRight - c.capLeft, 2 * r));
}

void paintGlass(QPainter& p, const Cylinder& c) {
  p.setPen(Qt::NoPen);
  p.setBrush(across(c.left, c.right, QColor(34, 42, 72), 150));
  p.drawPath(column(c.left, c.right, c.top, c.bottom, c.radius));
}

void paintLiquid(QPainter& p, const Cylinder& c, double level, const QColor& colour) {
  if (level <= 0) return;
  const double left = c.left + c.inset;
  const double right = c.right - c.inset;
  const double radius = c.radius - (c.width > 60 ? 1 : 0);
  // The surface's lower edge lies on the row the stacking rule gives.
  const double surface = c.surfaceBase - c.levelRows * level - radius;
  p.setPen(Qt::NoPen);
  p.setBrush(across(left, right, colour, 235));
  p.drawPath(column(left, right, surface, c.bottom, radius));
  // The surface seen from above: a lighter ellipse.
  QColor top = colour.lighter(150);
  top.setAlpha(240);
  p.setBrush(top);
  p.drawEllipse(QRectF(left, surface - radius, right - left, 2 * radius));
}

void paintFront(QPainter& p, const Cylinder& c) {
  // A highlight down the glass and its walls; both the same on every row.
  const double width = c.right - c.left;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 46));
  p.drawRect(QRectF(c.left + width * 0.16, c.top, width * 0.1, c.bottom - c.top));
  QPen edge(kGlassEdge, c.width > 60 ? 1.5 : 1.0);
  p.setPen(edge);
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(c.left + 0.75, c.top), QPointF(c.left + 0.75, c.bottom));
  p.drawLine(QPointF(c.right - 0.75, c.top), QPointF(c.right - 0.75, c.bottom));
  p.drawEllipse(QRectF(c.left + 0.75, c.top - c.radius, width - 1.5, 2 * c.radius));
  QPainterPath lower;
  lower.moveTo(c.left + 0.75, c.bottom);
  lower.arcTo(QRectF(c.left + 0.75, c.bottom - c.radius, width - 1.5, 2 * c.radius - 0.75), 180,
              180);
  p.drawPath(lower);
}

// The whole battery filled to `level` percent (0 = empty).
QImage battery(const Cylinder& c, double level, const QColor& colour) {
  const int height = c.width > 60 ? 235 : 118;
  QImage image(c.width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintCap(p, c);
  paintGlass(p, c);
  paintLiquid(p, c, level, colour);
  paintFront(p, c);
  return image;
}

// Rows [top, top + count) of a picture.
QImage rows(const QImage& image, int top, int count) {
  return image.copy(0, top, image.width(), count);
}

// `count` levels from `first`, one band of `bandRows` rows (from `top`) each.
QImage bands(const Cylinder& c, int first, int count, int top, int bandRows, const QColor& low) {
  QImage strip(c.width, count * bandRows, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (int k = 0; k < count; ++k) {
    const int level = first + k;
    const QColor colour = level < 6 ? low : kGreen;
    p.drawImage(0, k * bandRows, rows(battery(c, level, colour), top, bandRows));
  }
  return strip;
}
}  // namespace

QImage drawGadget3D(int number) {
  const bool small = number == 6 || number >= 12;
  const Cylinder& c = small ? kSmall : kLarge;
  // A level well inside the range the pieces serve (6..94).
  const QImage middle = battery(c, 50, kGreen);
  const int bottomTop = small ? 111 : 223;
  switch (number) {
    case 5:
    case 6:
      return battery(c, 0, kGreen);
    case 7:
    case 12:
      return rows(middle, bottomTop, small ? 7 : 12);
    case 8:
    case 13:
      return rows(middle, bottomTop - 20, 1);
    case 9:
    case 14: {
      const int d = static_cast<int>(c.surfaceBase - c.levelRows * 50);
      const int surfaceRows = small ? 6 : 10;
      return rows(middle, d - surfaceRows, surfaceRows);
    }
    case 10:
      return bands(c, 0, 6, 211, 24, kRed);
    case 15:
      return bands(c, 0, 7, 105, 13, kRed);
    case 11:
      return bands(c, 95, 6, 0, 43, kGreen);
    case 16:
      return bands(c, 95, 6, 0, 22, kGreen);
    default:
      return {};
  }
}

}  // namespace voltaro::artgen
