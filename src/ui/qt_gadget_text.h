// The gadget's texts drawn with QPainter straight onto its text layer.
#pragma once

#include "gadget/canvas_gadget_text.h"

namespace voltaro::ui {

class QtGadgetText final : public gadget::CanvasGadgetText {
 public:
  QtGadgetText();
};

}  // namespace voltaro::ui
