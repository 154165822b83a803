#include "app/skin_art.h"

#include <cmath>

#include "canvas/qt_canvas.h"

namespace voltaro::app {

namespace {
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

void drawGauge(QImage& gauge, const GaugePictures& pictures, int level, bool chargingCase,
               GaugeMode mode) {
  const canvas::QtPicture empty(pictures.empty);
  const canvas::QtPicture emptyCharging(pictures.emptyCharging);
  std::array<canvas::QtPicture, 4> fill{
      canvas::QtPicture(pictures.fill[0]), canvas::QtPicture(pictures.fill[1]),
      canvas::QtPicture(pictures.fill[2]), canvas::QtPicture(pictures.fill[3])};
  std::array<canvas::QtPicture, 4> fillCharging{
      canvas::QtPicture(pictures.fillCharging[0]), canvas::QtPicture(pictures.fillCharging[1]),
      canvas::QtPicture(pictures.fillCharging[2]), canvas::QtPicture(pictures.fillCharging[3])};
  frontend::main_window::GaugeArt art{&empty, &emptyCharging, {}, {}};
  for (std::size_t i = 0; i < 4; ++i) {
    art.fill[i] = &fill[i];
    art.fillCharging[i] = &fillCharging[i];
  }
  canvas::QtCanvas canvas(gauge);
  frontend::main_window::drawGauge(canvas, art, level, chargingCase, mode);
}

void paintStripCaption(QImage& strip, const QString& caption, int x, double dotsPerInch) {
  // The strip takes the screen's resolution, so the point size gives the
  // same pixel size on every screen, as the fixed-size window needs.
  strip.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre)));
  strip.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre)));
  canvas::QtCanvas canvas(strip);
  frontend::main_window::paintStripCaption(canvas, caption.toStdString(), x, dotsPerInch);
}

}  // namespace voltaro::app
