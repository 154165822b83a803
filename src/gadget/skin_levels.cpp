#include "gadget/skin_levels.h"

#include <algorithm>

#include "common/rounding.h"

namespace voltaro::gadget {

namespace {
constexpr int kLevelScale = 240;

// round(level x channel / 255); the quotient is never exactly a half.
std::uint32_t scaled(std::uint32_t level, std::uint32_t channel) {
  return std::min<std::uint32_t>((2 * level * channel + 255) / 510, 255);
}
}  // namespace

std::uint8_t skinLevel(std::uint8_t a) {
  if (a >= kLevelScale) return 255;
  return static_cast<std::uint8_t>(roundHalfEven(a * 255.0 / kLevelScale));
}

PixelBuffer applyLevelRule(const StraightImage& image) {
  PixelBuffer out(image.width, image.height);
  const std::uint8_t* p = image.rgba.data();
  for (int y = 0; y < image.height; ++y) {
    Pixel* row = out.row(y);
    for (int x = 0; x < image.width; ++x, p += 4) {
      const std::uint32_t level = skinLevel(p[3]);
      if (level < kLevelScale) {
        row[x] = argb(level, scaled(level, p[0]), scaled(level, p[1]), scaled(level, p[2]));
      } else {
        row[x] = argb(level, p[0], p[1], p[2]);
      }
    }
  }
  return out;
}

PixelBuffer opaquePicture(const StraightImage& image) {
  PixelBuffer out(image.width, image.height);
  const std::uint8_t* p = image.rgba.data();
  for (int y = 0; y < image.height; ++y) {
    Pixel* row = out.row(y);
    for (int x = 0; x < image.width; ++x, p += 4) row[x] = rgb(p[0], p[1], p[2]);
  }
  return out;
}

}  // namespace voltaro::gadget
