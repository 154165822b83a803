// Skins whose every row tells where it came from: row y of skin n is filled
// with the colour (n, y mod 256, y / 256), opaque, so a composed picture can
// be read back row by row. The charging symbols are key colour but for one
// marked pixel.
#pragma once

#include <utility>

#include "gadget/gadget_layout.h"
#include "gadget/gadget_skins.h"

namespace voltaro::gadget::testing {

inline Pixel rowTag(int file, int row) {
  return rgb(static_cast<std::uint32_t>(file), static_cast<std::uint32_t>(row % 256),
             static_cast<std::uint32_t>(row / 256));
}

inline GadgetSkins syntheticSkins() {
  GadgetSkins skins;
  for (int n = 1; n <= kSkinCount; ++n) {
    const PixelSize size = skinSize(n);
    PixelBuffer& skin = skins.file(n);
    skin = PixelBuffer(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) skin.set(x, y, rowTag(n, y));
    }
  }
  for (bool small : {false, true}) {
    const PixelSize size = chargingSymbolSize(small);
    PixelBuffer symbol(size.width, size.height, kKeyColour);
    symbol.set(10, 5, rgb(1, 2, 3));
    (small ? skins.chargingSmall : skins.chargingLarge) = std::move(symbol);
  }
  return skins;
}

// (file, source row) of row y of a composed picture, read at column 0.
inline std::pair<int, int> origin(const PixelBuffer& picture, int y) {
  const Pixel p = picture.at(0, y);
  return {static_cast<int>(redOf(p)), static_cast<int>(greenOf(p) + 256 * blueOf(p))};
}

}  // namespace voltaro::gadget::testing
