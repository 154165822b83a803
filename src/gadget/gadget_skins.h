// The sixteen skin pictures of the gadget, "vtat1.dat" to "vtat16.dat", and
// the two charging symbols, as the composition reads them: premultiplied
// 32-bit buffers of the sizes the composition expects.
//
//  1 large 2D empty, 2 small 2D empty, 3 large 2D full, 4 small 2D full,
//  5 large 3D background, 6 small 3D background,
//  7 large 3D column bottom (12 rows), 8 body slice (1 row), 9 surface (10),
//  10 large 3D levels 0-5 (24-row bands), 11 levels 95-100 (43-row bands),
//  12 small 3D bottom (7), 13 body slice (1), 14 surface (6),
//  15 small 3D levels 0-6 (13-row bands), 16 levels 95-100 (22-row bands).
#pragma once

#include <array>
#include <string>

#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

inline constexpr int kSkinCount = 16;

// "vtat" + number + ".dat", number 1..16.
std::string skinFileName(int number);
// The size skin `number` must have.
PixelSize skinSize(int number);

struct GadgetSkins {
  std::array<PixelBuffer, kSkinCount> files;
  PixelBuffer chargingLarge;  // 96 x 50, opaque, key colour where nothing is drawn
  PixelBuffer chargingSmall;  // 49 x 30

  const PixelBuffer& file(int number) const { return files[static_cast<std::size_t>(number - 1)]; }
  PixelBuffer& file(int number) { return files[static_cast<std::size_t>(number - 1)]; }
};

}  // namespace voltaro::gadget
