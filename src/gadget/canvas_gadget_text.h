// The gadget's texts drawn through the drawing port straight onto its text
// layer, in "Verdana" with greyscale antialiasing: colour fringes would show
// against the layer's key colour.
#pragma once

#include <functional>
#include <memory>

#include "canvas/canvas.h"
#include "gadget/gadget_composer.h"

namespace voltaro::gadget {

class CanvasGadgetText : public TextPainter {
 public:
  // Makes the toolkit's canvas on a text layer's pixels.
  using CanvasOnPixels = std::function<std::unique_ptr<canvas::Canvas>(canvas::PixelMemory)>;
  explicit CanvasGadgetText(CanvasOnPixels canvasOnPixels)
      : canvasOnPixels_(std::move(canvasOnPixels)) {}

  void drawCentred(PixelBuffer& layer, const TextLine& line) override;

  // The font of a line: its points at 96 dots per inch, whatever the screen,
  // so the texts keep their pixel size in the fixed-size picture.
  static canvas::Font lineFont(const TextLine& line);

 private:
  CanvasOnPixels canvasOnPixels_;
};

}  // namespace voltaro::gadget
