// The gauge drawn from its pictures, and the caption size for the screen.
#include "app/skin_art.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace voltaro::app {
namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "skin-test";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> application_;
};
const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

TEST(CaptionSize, RoundsTenFiftySixOverTheResolution) {
  EXPECT_EQ(captionPointSize(96), 11);
  EXPECT_EQ(captionPointSize(120), 9);  // 8.8
  EXPECT_EQ(captionPointSize(144), 7);  // 7.33
  EXPECT_EQ(captionPointSize(72), 15);  // 14.67
}

// Pictures of plain colours, so each pixel tells where it came from.
GaugePictures plainPictures() {
  GaugePictures p;
  p.empty = QImage(49, 111, QImage::Format_RGB32);
  p.empty.fill(QColor(10, 10, 10));
  p.emptyCharging = QImage(49, 111, QImage::Format_RGB32);
  p.emptyCharging.fill(QColor(20, 20, 20));
  const QColor fills[] = {Qt::red, Qt::yellow, Qt::green, Qt::blue};
  for (int i = 0; i < 4; ++i) {
    p.fill[i] = QImage(45, 100, QImage::Format_RGB32);
    p.fill[i].fill(fills[i]);
    p.fillCharging[i] = QImage(45, 100, QImage::Format_RGB32);
    p.fillCharging[i].fill(fills[i].darker(200));
  }
  return p;
}

QImage startGauge() {
  QImage gauge(49, 111, QImage::Format_RGB32);
  gauge.fill(Qt::white);  // shows what nothing was drawn over
  return gauge;
}

TEST(Gauge, FortyTwoPercentOnBatteryFillsTheBottomFortyTwoRows) {
  const GaugePictures p = plainPictures();
  QImage gauge = startGauge();
  drawGauge(gauge, p, 42, false, GaugeMode::Normal);
  // Rows 9..66 come from the empty picture, rows 67..108 from the fill.
  EXPECT_EQ(gauge.pixelColor(24, 9), QColor(10, 10, 10));
  EXPECT_EQ(gauge.pixelColor(24, 66), QColor(10, 10, 10));
  EXPECT_EQ(gauge.pixelColor(24, 67), QColor(Qt::blue));
  EXPECT_EQ(gauge.pixelColor(2, 108), QColor(Qt::blue));
  EXPECT_EQ(gauge.pixelColor(46, 108), QColor(Qt::blue));
  // Outside the copied areas the gauge keeps what it had.
  EXPECT_EQ(gauge.pixelColor(47, 100), QColor(Qt::white));
  EXPECT_EQ(gauge.pixelColor(24, 109), QColor(Qt::white));
  EXPECT_EQ(gauge.pixelColor(24, 8), QColor(Qt::white));
}

TEST(Gauge, EmptyAndFullOnBatteryCopyOnlyOnePicture) {
  const GaugePictures p = plainPictures();
  QImage empty = startGauge();
  drawGauge(empty, p, 0, false, GaugeMode::Normal);
  EXPECT_EQ(empty.pixelColor(24, 108), QColor(10, 10, 10));
  QImage full = startGauge();
  drawGauge(full, p, 100, false, GaugeMode::Normal);
  EXPECT_EQ(full.pixelColor(24, 9), QColor(Qt::blue));
  EXPECT_EQ(full.pixelColor(1, 9), QColor(Qt::white)) << "no empty picture at 100 %";
}

TEST(Gauge, ChargingUsesTheChargingPicturesAndModesTakePrecedence) {
  const GaugePictures p = plainPictures();
  QImage gauge = startGauge();
  drawGauge(gauge, p, 50, true, gaugeMode(false, true, true));
  EXPECT_EQ(gauge.pixelColor(24, 20), QColor(20, 20, 20));
  EXPECT_EQ(gauge.pixelColor(24, 100), p.fillCharging[1].pixelColor(0, 0)) << "calibration fill";
  EXPECT_NE(gauge.pixelColor(24, 100), p.fillCharging[2].pixelColor(0, 0)) << "not green";
  EXPECT_EQ(gaugeMode(true, true, true), GaugeMode::FastDischarge);
  EXPECT_EQ(gaugeMode(false, false, true), GaugeMode::Green);
  EXPECT_EQ(gaugeMode(false, false, false), GaugeMode::Normal);
}

TEST(StripCaption, IsPaintedOnTheFirstThreeFramesOnly) {
  QImage strip(360, 90, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::black);
  paintStripCaption(strip, "Exit", 30, 96);
  auto inked = [&strip](int frame) {
    for (int y = 60; y < 85; ++y) {
      for (int x = frame * 90; x < frame * 90 + 90; ++x) {
        if (strip.pixelColor(x, y) != QColor(Qt::black)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(inked(0));
  EXPECT_TRUE(inked(1));
  EXPECT_TRUE(inked(2));
  EXPECT_FALSE(inked(3));
  // Nothing above the caption line.
  for (int x = 0; x < 360; ++x) EXPECT_EQ(strip.pixelColor(x, 59), QColor(Qt::black));
}

}  // namespace
}  // namespace voltaro::app
