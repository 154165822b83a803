// The window background, the dialogs' picture and the program icon.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art.h"
#include "palette.h"

namespace voltaro::artgen {

namespace {
constexpr int kWidth = 1000;
constexpr int kHeight = 670;
constexpr int kColumnBottom = 601;  // the left column ends here
constexpr int kFooterTop = 630;     // the pages end here

void paintFooter(QPainter& p) {
  QLinearGradient footer(0, kFooterTop, 0, kHeight);
  footer.setColorAt(0, kFooter.lighter(106));
  footer.setColorAt(1, kFooter.darker(104));
  p.fillRect(0, kFooterTop, kWidth, kHeight - kFooterTop, footer);
  p.setPen(kFooterEdge);
  p.drawLine(0, kFooterTop, kWidth, kFooterTop);
}
}  // namespace

QImage drawBackground() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient bar(0, 0, 0, 130);
  bar.setColorAt(0, kBarTop);
  bar.setColorAt(1, kBarBottom);
  p.fillRect(0, 0, kWidth, kFooterTop, bar);
  p.fillRect(0, 130, kWidth, kFooterTop - 130, kBarBottom);
  // Under the column the column's colour goes on to the footer.
  p.fillRect(0, kColumnBottom, 200, kFooterTop - kColumnBottom, kColumn);
  // A thin accent line under the title row.
  QLinearGradient line(0, 0, kWidth, 0);
  line.setColorAt(0, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  line.setColorAt(0.5, kAccent);
  line.setColorAt(1, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 40));
  p.fillRect(0, 127, kWidth, 2, line);
  paintFooter(p);
  return image;
}

QImage drawDialogPicture() {
  QImage image(24, 54, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kGaugeOutline, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(8, 1, 8, 5), 1.5, 1.5);
  p.drawRoundedRect(QRectF(2, 6, 20, 46), 4, 4);
  QLinearGradient fill(0, 0, 24, 0);
  fill.setColorAt(0, kAccent.darker(130));
  fill.setColorAt(0.5, kAccent.lighter(130));
  fill.setColorAt(1, kAccent.darker(130));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(5, 26, 14, 23), 2, 2);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(10.5, 10, 3, 11), 1.5, 1.5);
  p.drawEllipse(QRectF(10.5, 22, 3, 3));
  return image;
}

QImage drawAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  QRadialGradient disc(32, 24, 40);
  disc.setColorAt(0, QColor(52, 60, 104));
  disc.setColorAt(1, kColumn);
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
  p.setBrush(kGreenOn);
  p.drawRoundedRect(QRectF(18, 22, 28, 30), 3, 3);
  p.setPen(QPen(QColor(230, 236, 255), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(16, 14, 32, 40), 5, 5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 236, 255));
  p.drawRoundedRect(QRectF(26, 8, 12, 5), 1.5, 1.5);
  QPainterPath bolt;
  bolt.moveTo(35, 20);
  bolt.lineTo(25, 37);
  bolt.lineTo(31, 37);
  bolt.lineTo(28, 49);
  bolt.lineTo(39, 31);
  bolt.lineTo(33, 31);
  bolt.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(bolt);
  return image;
}

}  // namespace voltaro::artgen
