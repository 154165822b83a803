#include "app/skin_art.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace voltaro::app {

namespace {
constexpr int kLevelBottom = 109;  // the row of 0 %
constexpr int kLevelTop = 9;       // the row of 100 %
constexpr int kGaugeWidth = 49;
constexpr int kFillWidth = 45;
constexpr int kFillHeight = 100;
constexpr int kFillLeft = 2;
constexpr double kInchesPerMetre = 39.3701;
const char* kModeNames[] = {"fastdischarge", "calibration", "green", "normal"};
}  // namespace

GaugePictures loadGaugePictures() {
  GaugePictures pictures;
  pictures.empty = QImage(":/skin/gauge_empty.png").convertToFormat(QImage::Format_RGB32);
  pictures.emptyCharging =
      QImage(":/skin/gauge_empty_charging.png").convertToFormat(QImage::Format_RGB32);
  for (int i = 0; i < 4; ++i) {
    pictures.fill[i] = QImage(QString(":/skin/gauge_%1.png").arg(kModeNames[i]));
    pictures.fillCharging[i] = QImage(QString(":/skin/gauge_%1_charging.png").arg(kModeNames[i]));
  }
  return pictures;
}

GaugeMode gaugeMode(bool fastDischarge, bool calibration, bool green) {
  if (fastDischarge) return GaugeMode::FastDischarge;
  if (calibration) return GaugeMode::Calibration;
  if (green) return GaugeMode::Green;
  return GaugeMode::Normal;
}

void drawGauge(QImage& gauge, const GaugePictures& pictures, int level, bool chargingCase,
               GaugeMode mode) {
  const int l = std::clamp(level, 0, 100);
  const QImage& empty = chargingCase ? pictures.emptyCharging : pictures.empty;
  const QImage& fill =
      (chargingCase ? pictures.fillCharging : pictures.fill)[static_cast<int>(mode)];
  QPainter p(&gauge);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  // Outside the charging case nothing of the empty picture shows at 100 %
  // and nothing of the fill at 0 %.
  if (chargingCase || l < 100) {
    const QRect part(0, kLevelTop, kGaugeWidth, kLevelBottom - l - kLevelTop);
    p.drawImage(part.topLeft(), empty, part);
  }
  if (l > 0) {
    p.drawImage(QPoint(kFillLeft, kLevelBottom - l), fill,
                QRect(0, kFillHeight - l, kFillWidth, l));
  }
}

int captionPointSize(double dotsPerInch) {
  return static_cast<int>(std::lround(1056.0 / dotsPerInch));
}

void paintStripCaption(QImage& strip, const QString& caption, int x, double dotsPerInch) {
  // The strip takes the screen's resolution, so the point size gives the
  // same pixel size on every screen, as the fixed-size window needs.
  strip.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre)));
  strip.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre)));
  QPainter p(&strip);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Verdana");
  font.setPointSize(captionPointSize(dotsPerInch));
  font.setStyleStrategy(QFont::PreferAntialias);
  p.setFont(font);
  p.setPen(QColor(153, 153, 153));
  for (int frame = 0; frame < 3; ++frame) {
    p.drawText(QRect(x + 90 * frame, 60, 90 - x, 28), Qt::AlignLeft | Qt::AlignTop, caption);
  }
}

}  // namespace voltaro::app
