// `p002b`: the composed picture as the screen gets it, every pixel's
// premultiplied channels scaled by one global alpha, as a layered window
// with a constant alpha and per-pixel alpha shows it.
#pragma once

#include <cstdint>

#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

// round(percent x 255 / 100): the alpha of an opacity (60 % gives 153).
std::uint8_t opacityAlpha(int percent);

// Every channel of every pixel, alpha included, becomes round(c x alpha / 255).
void applyGlobalAlpha(const PixelBuffer& picture, std::uint8_t alpha, PixelBuffer& out);

// Where a window cannot be translucent (no compositor): the picture laid
// over an opaque `backdrop`, every pixel opaque, so the texts stay readable.
// The window is then cut to the pixels whose alpha is at least kShapeAlpha.
inline constexpr std::uint8_t kShapeAlpha = 128;
void flattenOnBackdrop(const PixelBuffer& picture, Pixel backdrop, PixelBuffer& out);

}  // namespace voltaro::gadget
