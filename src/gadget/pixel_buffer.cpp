#include "gadget/pixel_buffer.h"

#include <algorithm>

namespace voltaro::gadget {

PixelBuffer::PixelBuffer(int width, int height, Pixel fill)
    : size_{std::max(width, 0), std::max(height, 0)},
      pixels_(static_cast<std::size_t>(size_.width) * static_cast<std::size_t>(size_.height),
              fill) {}

void PixelBuffer::fill(Pixel p) {
  std::fill(pixels_.begin(), pixels_.end(), p);
}

void PixelBuffer::copyRows(const PixelBuffer& source, int sourceTop, int top, int count) {
  if (source.width() != width()) return;
  for (int k = 0; k < count; ++k) {
    const int from = sourceTop + k;
    const int to = top + k;
    if (from < 0 || from >= source.height() || to < 0 || to >= height()) continue;
    std::copy_n(source.row(from), width(), row(to));
  }
}

void PixelBuffer::stretchRows(const PixelBuffer& source, int top, int bottom) {
  if (source.width() != width() || source.empty() || bottom <= top) return;
  const int span = bottom - top;
  for (int to = std::max(top, 0); to < std::min(bottom, height()); ++to) {
    const int from = (to - top) * source.height() / span;
    std::copy_n(source.row(from), width(), row(to));
  }
}

}  // namespace voltaro::gadget
