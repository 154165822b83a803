#include "gadget/gadget_composer.h"

#include <algorithm>

#include "gadget/gadget_picture.h"

namespace voltaro::gadget {

namespace {
constexpr Pixel kCapacityColour = rgb(0xEE, 0xEE, 0xEE);
constexpr Pixel kTimeOnBatteryColour = rgb(0xCC, 0xCC, 0xCC);
constexpr Pixel kTimeChargingColour = rgb(0xA0, 0xB0, 0xE0);
constexpr Pixel kCpuColour = rgb(0xFE, 0xA0, 0x90);

struct LinePlace {
  double points;
  int top;
};
// Large and small place of the charge, time and processor texts.
constexpr LinePlace kCapacityPlace[] = {{14, 2}, {10, 1}};
constexpr LinePlace kTimePlace[] = {{11, 33}, {8, 16}};
constexpr LinePlace kCpuPlace[] = {{11, 158}, {8, 75}};

TextLine line(std::string text, const LinePlace (&places)[2], bool small, Pixel colour) {
  const LinePlace& place = places[small ? 1 : 0];
  return TextLine{std::move(text), place.points, colour, place.top};
}

void prepareLayer(PixelBuffer& layer, bool small) {
  const PixelSize size = textLayerSize(small);
  if (layer.size() != size) layer = PixelBuffer(size.width, size.height);
  layer.fill(kKeyColour);
}
}  // namespace

std::vector<TextLine> textLines(const GadgetFigures& f) {
  const bool small = f.look.small;
  std::vector<TextLine> lines;
  if (f.showCapacity && f.levelKnown) {
    lines.push_back(line(std::to_string(f.level) + "%", kCapacityPlace, small, kCapacityColour));
  }
  // Full on external power has no time to show.
  const bool timeShown = !f.onPower || f.charging;
  if (f.showTimeRemaining && timeShown && !f.timeText.empty()) {
    const Pixel colour = f.onPower ? kTimeChargingColour : kTimeOnBatteryColour;
    lines.push_back(line(f.timeText, kTimePlace, small, colour));
  }
  if (f.showCpuUsage) {
    lines.push_back(line(std::to_string(f.cpuUsage) + "%", kCpuPlace, small, kCpuColour));
  }
  return lines;
}

void overlayText(const PixelBuffer& layer, int offset, PixelBuffer& picture) {
  for (int r = 0; r < layer.height(); ++r) {
    const int y = r + offset;
    if (y < 0 || y >= picture.height()) continue;
    const Pixel* from = layer.row(r);
    Pixel* to = picture.row(y);
    const int width = std::min(layer.width(), picture.width());
    for (int x = 0; x < width; ++x) {
      const Pixel colour = colourOf(from[x]);
      if (colour != colourOf(kKeyColour)) to[x] = argb(0xFF, 0, 0, 0) | colour;
    }
  }
}

const PixelBuffer& GadgetComposer::p001(const GadgetSkins& skins, const GadgetFigures& f,
                                        TextPainter& painter) {
  const bool small = f.look.small;
  PixelBuffer& layer = small ? smallText_ : largeText_;
  PixelBuffer& picture = small ? small_ : large_;
  prepareLayer(layer, small);
  if (f.onPower && f.charging) {
    const PixelBuffer& symbol = small ? skins.chargingSmall : skins.chargingLarge;
    layer.copyRows(symbol, 0, chargingSymbolTop(small), symbol.height());
  }
  composePicture(skins, f.level, f.look, picture);
  for (const TextLine& text : textLines(f)) painter.drawCentred(layer, text);
  overlayText(layer, overlayOffset(f.look), picture);
  return picture;
}

}  // namespace voltaro::gadget
