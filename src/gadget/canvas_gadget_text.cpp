#include "gadget/canvas_gadget_text.h"

namespace voltaro::gadget {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;
}  // namespace

canvas::Font CanvasGadgetText::lineFont(const TextLine& line) {
  canvas::Font font;
  font.pixels = line.points * kPixelsPerPoint;
  font.greyscale = true;
  return font;
}

void CanvasGadgetText::drawCentred(PixelBuffer& layer, const TextLine& line) {
  const auto canvas = canvasOnPixels_({layer.data(), layer.width(), layer.height(), false});
  if (!canvas) return;
  canvas->text({0, line.top, layer.width(), layer.height() - line.top}, line.text, lineFont(line),
               line.colour & 0xFFFFFF, canvas::HAlign::Centre);
}

}  // namespace voltaro::gadget
