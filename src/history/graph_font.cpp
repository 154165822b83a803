#include "history/graph_font.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"

namespace voltaro::history {

canvas::Font graphCanvasFont(double dotsPerInch) {
  if (!(dotsPerInch > 0.0)) dotsPerInch = 96.0;
  const auto points = static_cast<double>(roundHalfEven(864.0 / dotsPerInch));
  canvas::Font font;
  font.pixels = std::max(1L, std::lround(points * dotsPerInch / 72.0));
  font.hinted = false;
  return font;
}

void drawGraphText(canvas::Canvas& canvas, int x, int y, std::string_view text,
                   const canvas::Font& font, canvas::Colour colour) {
  canvas.text({x, y, 400, 40}, text, font, colour);
}

}  // namespace voltaro::history
