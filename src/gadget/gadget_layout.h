// The gadget's measures: window sizes per size and style, the text layer,
// where the text layer lands on the picture and where the charging symbol
// sits on the text layer.
#pragma once

#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

// The two display options that shape the window: `SmallSizeGadget` (49
// pixels wide instead of 96) and `Style3DGadget`.
struct GadgetLook {
  bool small = true;
  bool style3D = true;
  bool operator==(const GadgetLook&) const = default;
};

// 2D 96 x 216 / 49 x 109, 3D 96 x 235 / 49 x 118.
PixelSize windowSize(GadgetLook look);
// The window height plus 40 pixels, kept free above the screen's bottom edge.
int bottomMargin(GadgetLook look);

// The text layer: 96 x 180 large, 49 x 90 small. Pixels of the key colour are
// left out when the layer is laid over the picture.
PixelSize textLayerSize(bool small);
inline constexpr Pixel kKeyColour = rgb(0x60, 0x60, 0x60);
// Text-layer row r lands on picture row r + overlayOffset.
int overlayOffset(GadgetLook look);

// The charging symbol: 96 x 50 at layer row 104 (large), 49 x 30 at row 48.
PixelSize chargingSymbolSize(bool small);
int chargingSymbolTop(bool small);

}  // namespace voltaro::gadget
