#include "gadget/gadget_alpha.h"

#include <algorithm>

#include "common/rounding.h"

namespace voltaro::gadget {

std::uint8_t opacityAlpha(int percent) {
  return static_cast<std::uint8_t>(
      std::clamp<std::int64_t>(roundHalfEven(percent * 255 / 100.0), 0, 255));
}

void applyGlobalAlpha(const PixelBuffer& picture, std::uint8_t alpha, PixelBuffer& out) {
  if (out.size() != picture.size()) out = PixelBuffer(picture.width(), picture.height());
  const std::size_t count =
      static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height());
  const Pixel* from = picture.data();
  Pixel* to = out.data();
  if (alpha == 255) {
    std::copy_n(from, count, to);
    return;
  }
  // c x alpha / 255 is never exactly a half, so adding a half and
  // truncating rounds it.
  const std::uint32_t a = alpha;
  auto scale = [a](std::uint32_t c) { return (2 * c * a + 255) / 510; };
  for (std::size_t i = 0; i < count; ++i) {
    const Pixel p = from[i];
    to[i] = argb(scale(alphaOf(p)), scale(redOf(p)), scale(greenOf(p)), scale(blueOf(p)));
  }
}

void flattenOnBackdrop(const PixelBuffer& picture, Pixel backdrop, PixelBuffer& out) {
  if (out.size() != picture.size()) out = PixelBuffer(picture.width(), picture.height());
  const std::size_t count =
      static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height());
  for (std::size_t i = 0; i < count; ++i) {
    const Pixel p = picture.data()[i];
    const std::uint32_t rest = 255 - alphaOf(p);
    // Premultiplied channels can exceed the alpha (skin levels 240..254).
    auto over = [rest](std::uint32_t top, std::uint32_t below) {
      return std::min<std::uint32_t>(top + (2 * below * rest + 255) / 510, 255);
    };
    out.data()[i] = argb(255, over(redOf(p), redOf(backdrop)), over(greenOf(p), greenOf(backdrop)),
                         over(blueOf(p), blueOf(backdrop)));
  }
}

}  // namespace voltaro::gadget
