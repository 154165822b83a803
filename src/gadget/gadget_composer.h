// `p001`: the gadget's picture for the shown battery. The battery picture
// filled to the charge level, then the text layer (the charging symbol and
// up to three texts) laid over it, every non-key pixel opaque.
//
// The texts are drawn by a TextPainter that the front end provides (the Qt
// program paints with QPainter); everything else is plain pixel work.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gadget/gadget_layout.h"
#include "gadget/gadget_skins.h"
#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

// What the gadget shows, read from the shown battery and the settings.
struct GadgetFigures {
  int level = 0;           // min(round(charge percent), 100); 0 while unknown
  bool levelKnown = true;  // false: no charge could be read, no charge text
  bool onPower = true;
  bool charging = false;
  std::string timeText;  // time remaining as "1:30"; empty when unknown (0)
  int cpuUsage = 0;      // whole percent
  bool showCapacity = true;
  bool showTimeRemaining = false;
  bool showCpuUsage = false;
  GadgetLook look;
  bool operator==(const GadgetFigures&) const = default;
};

// One text of the text layer, centred horizontally; `top` is the top of its
// line on the layer, `points` its size in points at 96 dots per inch.
struct TextLine {
  std::string text;
  double points = 0;
  Pixel colour = 0;
  int top = 0;
  bool operator==(const TextLine&) const = default;
};

class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Draws `line` in the gadget's font onto `layer`, centred horizontally.
  virtual void drawCentred(PixelBuffer& layer, const TextLine& line) = 0;
};

// The texts shown for `figures`, top down: the charge, the time remaining
// (on battery or while charging), the processor usage.
std::vector<TextLine> textLines(const GadgetFigures& figures);

// Lays every pixel of `layer` that is not the key colour over `picture`,
// opaque, layer row r on picture row r + `offset`.
void overlayText(const PixelBuffer& layer, int offset, PixelBuffer& picture);

class GadgetComposer {
 public:
  // Composes the picture of the size of `figures.look` and returns it.
  const PixelBuffer& p001(const GadgetSkins& skins, const GadgetFigures& figures,
                          TextPainter& painter);
  const PixelBuffer& picture(bool small) const { return small ? small_ : large_; }
  const PixelBuffer& textLayer(bool small) const { return small ? smallText_ : largeText_; }

 private:
  PixelBuffer large_;
  PixelBuffer small_;
  PixelBuffer largeText_;
  PixelBuffer smallText_;
};

}  // namespace voltaro::gadget
