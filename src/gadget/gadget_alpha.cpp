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

}  // namespace voltaro::gadget
