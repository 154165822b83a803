#include "frontend/main_window/gauge_drawing.h"

#include <algorithm>
#include <cmath>

namespace voltaro::frontend::main_window {

namespace {
constexpr int kLevelBottom = 109;  // the row of 0 %
constexpr int kLevelTop = 9;       // the row of 100 %
constexpr int kGaugeWidth = 49;
constexpr int kFillWidth = 45;
constexpr int kFillHeight = 100;
constexpr int kFillLeft = 2;
constexpr canvas::Colour kCaptionColour = canvas::rgb(153, 153, 153);
}  // namespace

GaugeMode gaugeMode(bool fastDischarge, bool calibration, bool green) {
  if (fastDischarge) return GaugeMode::FastDischarge;
  if (calibration) return GaugeMode::Calibration;
  if (green) return GaugeMode::Green;
  return GaugeMode::Normal;
}

void drawGauge(canvas::Canvas& gauge, const GaugeArt& art, int level, bool chargingCase,
               GaugeMode mode) {
  const int l = std::clamp(level, 0, 100);
  const auto index = static_cast<std::size_t>(mode);
  const canvas::Picture* empty = chargingCase ? art.emptyCharging : art.empty;
  const canvas::Picture* fill = chargingCase ? art.fillCharging[index] : art.fill[index];
  // Outside the charging case nothing of the empty picture shows at 100 %
  // and nothing of the fill at 0 %.
  if (empty != nullptr && (chargingCase || l < 100)) {
    gauge.drawPicture(0, kLevelTop, *empty,
                      {0, kLevelTop, kGaugeWidth, kLevelBottom - l - kLevelTop});
  }
  if (fill != nullptr && l > 0) {
    gauge.drawPicture(kFillLeft, kLevelBottom - l, *fill, {0, kFillHeight - l, kFillWidth, l});
  }
}

int captionPointSize(double dotsPerInch) {
  return static_cast<int>(std::lround(1056.0 / dotsPerInch));
}

void paintStripCaption(canvas::Canvas& strip, std::string_view caption, int x, double dotsPerInch) {
  // The point size gives the same pixel size on every screen, as the
  // fixed-size window needs.
  canvas::Font font;
  font.pixels = captionPointSize(dotsPerInch) * dotsPerInch / 72.0;
  for (int frame = 0; frame < 3; ++frame) {
    strip.text({x + 90 * frame, 60, 90 - x, 28}, caption, font, kCaptionColour);
  }
}

}  // namespace voltaro::frontend::main_window
