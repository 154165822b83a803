// The gadget's texts drawn with QPainter straight onto its text layer, in
// "Verdana" (fontconfig's stand-in where it is missing) with greyscale
// antialiasing: colour fringes would show against the layer's key colour.
#pragma once

#include "gadget/gadget_composer.h"

namespace voltaro::ui {

class QtGadgetText final : public gadget::TextPainter {
 public:
  void drawCentred(gadget::PixelBuffer& layer, const gadget::TextLine& line) override;
};

}  // namespace voltaro::ui
