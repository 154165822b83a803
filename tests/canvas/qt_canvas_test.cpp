// The drawing port's contract on QPainter.
#include "canvas/qt_canvas.h"

#include "canvas/canvas_contract.h"

namespace voltaro::testing {
namespace {

CanvasMaker qtMaker() {
  return {"QPainter",
          [](canvas::PixelMemory memory) -> std::unique_ptr<canvas::Canvas> {
            return std::make_unique<canvas::QtCanvas>(memory);
          },
          [](const std::vector<std::uint32_t>& pixels, int width, int height) {
            QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < height; ++y) {
              for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
              }
            }
            return std::make_unique<canvas::QtPicture>(image);
          }};
}

INSTANTIATE_TEST_SUITE_P(Qt, CanvasContract, ::testing::Values(qtMaker()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace voltaro::testing
