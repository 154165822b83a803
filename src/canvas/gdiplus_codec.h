// Pictures in and out of GDI+: PNG bytes decoded into a picture or into
// straight RGBA pixels, and a bitmap encoded as baseline JPEG through the
// system's encoder.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "canvas/gdiplus_canvas.h"

namespace voltaro::canvas {

// The picture, converted to 32-bit premultiplied; nullptr when the bytes
// are no picture GDI+ can read.
std::unique_ptr<GdiplusPicture> decodePicture(std::span<const std::uint8_t> bytes);

struct DecodedPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // R, G, B, A per pixel, straight alpha, rows top down
};
// The picture's pixels with straight alpha, or nullopt with `error` saying why.
std::optional<DecodedPixels> decodePixels(std::span<const std::uint8_t> bytes, std::string& error);

// The bitmap as a JPEG file at `quality` (0..100); nullopt when no encoder
// is found or encoding fails.
std::optional<std::vector<std::uint8_t>> encodeJpeg(Gdiplus::Bitmap& bitmap, int quality);

}  // namespace voltaro::canvas
