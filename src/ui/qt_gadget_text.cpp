#include "ui/qt_gadget_text.h"

#include "canvas/qt_canvas.h"

namespace voltaro::ui {

QtGadgetText::QtGadgetText()
    : gadget::CanvasGadgetText([](canvas::PixelMemory memory) -> std::unique_ptr<canvas::Canvas> {
        return std::make_unique<canvas::QtCanvas>(memory);
      }) {}

}  // namespace voltaro::ui
