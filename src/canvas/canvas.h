// The drawing port every picture of the program goes through: the main
// window's pages and controls, the graph, the dialogs and the gadget's text
// layer. Fill, picture, text in a named font, antialiased polyline and
// filled polygon; QtCanvas (QPainter) and GdiplusCanvas (GDI+) implement it.
//
// Coordinates are pixels from the top-left corner; a pixel's centre is at
// (x + 0.5, y + 0.5), so a one-pixel line through x + 0.5 covers exactly
// one column of pixels.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace voltaro::canvas {

// An opaque colour as 0xRRGGBB.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return ((red & 0xFF) << 16) | ((green & 0xFF) << 8) | (blue & 0xFF);
}
constexpr std::uint32_t redOf(Colour c) {
  return (c >> 16) & 0xFF;
}
constexpr std::uint32_t greenOf(Colour c) {
  return (c >> 8) & 0xFF;
}
constexpr std::uint32_t blueOf(Colour c) {
  return c & 0xFF;
}

struct Point {
  double x = 0.0;  // pixels
  double y = 0.0;
};

struct Rect {
  int left = 0;  // pixels
  int top = 0;
  int width = 0;
  int height = 0;
  bool contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

enum class HAlign : std::uint8_t { Left, Centre, Right };
enum class VAlign : std::uint8_t { Top, Middle };

struct Font {
  std::string family = "Verdana";  // the system's substitute where it is missing
  double pixels = 13.0;            // em height in pixels; need not be whole
  bool bold = false;
  // False: the glyph outlines stay where the design puts them (the graph's
  // texts, whose places are measured in fractions of a pixel).
  bool hinted = true;
  // True: greyscale antialiasing only, never coloured subpixel fringes (text
  // over a key colour that is later cut out).
  bool greyscale = false;
};

enum class LineCap : std::uint8_t { Flat, Round };

struct Stroke {
  Colour colour = 0;
  double width = 1.0;    // pixels
  double opacity = 1.0;  // 0..1
  LineCap cap = LineCap::Flat;
};

// A decoded picture of the toolkit that draws it; each canvas draws only its
// own kind.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
};

// 32-bit pixels in memory, one 0xAARRGGBB word each, rows without padding:
// a canvas can draw straight into such a buffer.
struct PixelMemory {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  // False: every pixel is opaque and its alpha byte is not read.
  bool premultipliedAlpha = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Fills `area`; at an opacity below 1 the colour is blended over what is
  // there (0.5 gives the mean of both).
  virtual void fill(Rect area, Colour colour, double opacity = 1.0) = 0;
  // Draws `source` (a part of `picture`) with its top-left corner at
  // (x, y), blended by the picture's own alpha.
  virtual void drawPicture(int x, int y, const Picture& picture, Rect source) = 0;
  // One line of text in `box`, aligned as asked; clipped to nothing.
  virtual void text(Rect box, std::string_view utf8, const Font& font, Colour colour,
                    HAlign horizontal = HAlign::Left, VAlign vertical = VAlign::Top) = 0;
  // An antialiased line through `points`.
  virtual void polyline(std::span<const Point> points, const Stroke& stroke) = 0;
  // The antialiased area inside `points`, closed from the last to the first.
  virtual void polygon(std::span<const Point> points, Colour colour, double opacity = 1.0) = 0;
};

}  // namespace voltaro::canvas
