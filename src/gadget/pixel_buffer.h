// Plain 32-bit pixel buffers: the gadget's pictures, skins and text layers,
// with no toolkit behind them, so the composition can be checked pixel by
// pixel and any front end can put the result on screen.
#pragma once

#include <cstdint>
#include <vector>

namespace voltaro::gadget {

// One pixel as 0xAARRGGBB in a 32-bit word: Qt's ARGB32 layout and the
// Windows DIB layout on little-endian machines.
using Pixel = std::uint32_t;

constexpr Pixel argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr Pixel rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return argb(0xFF, r, g, b);
}
constexpr std::uint32_t alphaOf(Pixel p) {
  return p >> 24;
}
constexpr std::uint32_t redOf(Pixel p) {
  return (p >> 16) & 0xFF;
}
constexpr std::uint32_t greenOf(Pixel p) {
  return (p >> 8) & 0xFF;
}
constexpr std::uint32_t blueOf(Pixel p) {
  return p & 0xFF;
}
// The colour without its alpha, for the text layer's key-colour test.
constexpr Pixel colourOf(Pixel p) {
  return p & 0x00FFFFFF;
}

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height, Pixel fill = 0);

  int width() const { return size_.width; }
  int height() const { return size_.height; }
  PixelSize size() const { return size_; }
  bool empty() const { return pixels_.empty(); }

  Pixel at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Pixel p) { pixels_[index(x, y)] = p; }
  void fill(Pixel p);

  // Row `y` as a contiguous run of width() pixels.
  Pixel* row(int y) { return pixels_.data() + index(0, y); }
  const Pixel* row(int y) const { return pixels_.data() + index(0, y); }
  Pixel* data() { return pixels_.data(); }
  const Pixel* data() const { return pixels_.data(); }

  // Copies `count` rows of `source` starting at `sourceTop` to rows from
  // `top` on, replacing them. Both buffers have the same width; rows outside
  // either buffer are left out.
  void copyRows(const PixelBuffer& source, int sourceTop, int top, int count);
  // Fills rows [top, bottom) with the rows [0, source.height()) of `source`
  // stretched vertically (nearest row), replacing them.
  void stretchRows(const PixelBuffer& source, int top, int bottom);

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width) +
           static_cast<std::size_t>(x);
  }

  PixelSize size_;
  std::vector<Pixel> pixels_;
};

}  // namespace voltaro::gadget
