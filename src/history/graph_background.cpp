#include "history/graph_background.h"

#include <QLinearGradient>
#include <QPainter>
#include <string_view>

#include "history/graph_text.h"
#include "history/history_zoom.h"

namespace voltaro::history {
namespace {

constexpr int kPlotLeft = 40;
constexpr int kPlotRight = 760;
constexpr int kPlotTop = 16;
constexpr int kPlotBottom = 416;
constexpr int kLevelStep = 40;  // pixels per 10 %
constexpr int kTimeStep = 180;  // pixels per quarter of the span

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void paintPlotArea(QPainter& painter) {
  QLinearGradient shade(0, kPlotTop, 0, kPlotBottom);
  shade.setColorAt(0.0, QColor(0x16, 0x1b, 0x22));
  shade.setColorAt(1.0, QColor(0x0c, 0x0f, 0x13));
  painter.fillRect(
      QRect(kPlotLeft, kPlotTop, kPlotRight - kPlotLeft + 1, kPlotBottom - kPlotTop + 1), shade);
}

void paintGrid(QPainter& painter) {
  const QColor minor(0x24, 0x2a, 0x32);
  const QColor major(0x30, 0x38, 0x42);  // 0 %, 50 %, 100 % and the span's ends
  for (int y = kPlotTop; y <= kPlotBottom; y += kLevelStep) {
    const bool strong = (kPlotBottom - y) % (5 * kLevelStep) == 0;
    painter.fillRect(QRect(kPlotLeft, y, kPlotRight - kPlotLeft + 1, 1), strong ? major : minor);
  }
  for (int x = kPlotLeft; x <= kPlotRight; x += kTimeStep) {
    const bool strong = x == kPlotLeft || x == kPlotRight;
    painter.fillRect(QRect(x, kPlotTop, 1, kPlotBottom - kPlotTop + 1), strong ? major : minor);
  }
}

}  // namespace

QImage makeGraphBackground() {
  QImage picture(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  paintPlotArea(painter);
  paintGrid(painter);
  return picture;
}

void paintAxes(QImage& background, int zoom, double dotsPerInch) {
  QPainter painter(&background);
  // Rectangles inclusive of both ends: x 40..799, y 418..434 and x 0..37, y 0..432.
  painter.fillRect(QRect(40, 418, 760, 17), Qt::black);
  painter.fillRect(QRect(0, 0, 38, 433), Qt::black);

  const QFont font = graphFont(dotsPerInch);
  drawGraphText(painter, 9, 9, QStringLiteral("100"), font, kAxisTextColor);
  for (int tens = 9; tens >= 1; --tens) {
    const int y = 49 + (9 - tens) * 40;
    drawGraphText(painter, 16, y, QString::number(tens * 10), font, kAxisTextColor);
  }
  drawGraphText(painter, 22, 409, QStringLiteral("0"), font, kAxisTextColor);
  drawGraphText(painter, 370, 418, toQString(gridText(zoom)), font, kAxisTextColor);
  drawGraphText(painter, 695, 418, toQString(timeText(zoom)), font, kAxisTextColor);
}

}  // namespace voltaro::history
