// The level rule that turns a decoded skin picture (straight alpha) into the
// premultiplied buffer the composition uses.
//
// A pixel whose alpha a is below 240 gets the level l = round(a x 255 / 240)
// as its alpha and, when l is below 240, colours premultiplied by l. Every
// other pixel keeps its colours and becomes opaque; pixels whose a lies in
// 226..239 thus get a level of 240..254 and keep their colours as they are.
#pragma once

#include <cstdint>
#include <vector>

#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

// A decoded picture: width x height pixels of four bytes R, G, B, A with
// straight (not premultiplied) alpha, rows top down.
struct StraightImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

// The level of a pixel of PNG alpha `a`.
std::uint8_t skinLevel(std::uint8_t a);
PixelBuffer applyLevelRule(const StraightImage& image);
// The picture as it is, every pixel opaque: the charging symbols, which are
// copied onto the text layer.
PixelBuffer opaquePicture(const StraightImage& image);

}  // namespace voltaro::gadget
