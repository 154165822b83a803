#include "history/graph_backdrop.h"

#include <string>

#include "history/graph_font.h"
#include "history/history_zoom.h"

namespace voltaro::history {
namespace {

constexpr int kPlotLeft = 40;
constexpr int kPlotRight = 760;
constexpr int kPlotTop = 16;
constexpr int kPlotBottom = 416;
constexpr int kLevelStep = 40;  // pixels per 10 %
constexpr int kTimeStep = 180;  // pixels per quarter of the span
constexpr canvas::Colour kShadeTop = canvas::rgb(0x16, 0x1b, 0x22);
constexpr canvas::Colour kShadeBottom = canvas::rgb(0x0c, 0x0f, 0x13);

std::uint32_t mix(std::uint32_t top, std::uint32_t bottom, double t) {
  return static_cast<std::uint32_t>(top + (double(bottom) - double(top)) * t + 0.5);
}

// A vertical shade from the top colour to the bottom one, row by row.
void paintPlotArea(canvas::Canvas& canvas) {
  const int rows = kPlotBottom - kPlotTop + 1;
  for (int row = 0; row < rows; ++row) {
    const double t = (row + 0.5) / rows;
    const canvas::Colour colour =
        canvas::rgb(mix(canvas::redOf(kShadeTop), canvas::redOf(kShadeBottom), t),
                    mix(canvas::greenOf(kShadeTop), canvas::greenOf(kShadeBottom), t),
                    mix(canvas::blueOf(kShadeTop), canvas::blueOf(kShadeBottom), t));
    canvas.fill({kPlotLeft, kPlotTop + row, kPlotRight - kPlotLeft + 1, 1}, colour);
  }
}

void paintGrid(canvas::Canvas& canvas) {
  constexpr canvas::Colour minor = canvas::rgb(0x24, 0x2a, 0x32);
  constexpr canvas::Colour major = canvas::rgb(0x30, 0x38, 0x42);  // 0, 50, 100 % and the ends
  for (int y = kPlotTop; y <= kPlotBottom; y += kLevelStep) {
    const bool strong = (kPlotBottom - y) % (5 * kLevelStep) == 0;
    canvas.fill({kPlotLeft, y, kPlotRight - kPlotLeft + 1, 1}, strong ? major : minor);
  }
  for (int x = kPlotLeft; x <= kPlotRight; x += kTimeStep) {
    const bool strong = x == kPlotLeft || x == kPlotRight;
    canvas.fill({x, kPlotTop, 1, kPlotBottom - kPlotTop + 1}, strong ? major : minor);
  }
}

}  // namespace

void paintGraphBackground(canvas::Canvas& canvas) {
  canvas.fill({0, 0, kGraphWidth, kGraphHeight}, 0);
  paintPlotArea(canvas);
  paintGrid(canvas);
}

void paintGraphAxes(canvas::Canvas& canvas, int zoom, double dotsPerInch) {
  // Rectangles inclusive of both ends: x 40..799, y 418..434 and x 0..37, y 0..432.
  canvas.fill({40, 418, 760, 17}, 0);
  canvas.fill({0, 0, 38, 433}, 0);

  const canvas::Font font = graphCanvasFont(dotsPerInch);
  drawGraphText(canvas, 9, 9, "100", font, kAxisTextColour);
  for (int tens = 9; tens >= 1; --tens) {
    const int y = 49 + (9 - tens) * 40;
    drawGraphText(canvas, 16, y, std::to_string(tens * 10), font, kAxisTextColour);
  }
  drawGraphText(canvas, 22, 409, "0", font, kAxisTextColour);
  drawGraphText(canvas, 370, 418, gridText(zoom), font, kAxisTextColour);
  drawGraphText(canvas, 695, 418, timeText(zoom), font, kAxisTextColour);
}

}  // namespace voltaro::history
