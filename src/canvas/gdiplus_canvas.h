// The drawing port on GDI+: the Windows program's pictures. A canvas draws on
// a GDI+ bitmap, on the caller's pixel memory or on a window's device
// context. A GdiplusSession must be alive while canvases and pictures are.
#pragma once

#include <memory>

#include "canvas/canvas.h"

// The GDI+ classes, declared as windows.h does not: the header stays free
// of the system's headers.
namespace Gdiplus {
class Bitmap;
class Graphics;
}  // namespace Gdiplus
struct HDC__;

namespace voltaro::canvas {

class GdiplusPicture final : public Picture {
 public:
  // Takes the bitmap; a 32-bit premultiplied one draws fastest.
  explicit GdiplusPicture(std::unique_ptr<Gdiplus::Bitmap> bitmap);
  ~GdiplusPicture() override;
  int width() const override;
  int height() const override;
  Gdiplus::Bitmap& bitmap() const { return *bitmap_; }

 private:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

class GdiplusCanvas final : public Canvas {
 public:
  explicit GdiplusCanvas(Gdiplus::Bitmap& bitmap);
  // Draws into the caller's memory, taken as a 96-dpi picture.
  explicit GdiplusCanvas(PixelMemory memory);
  explicit GdiplusCanvas(HDC__* deviceContext);
  ~GdiplusCanvas() override;
  GdiplusCanvas(const GdiplusCanvas&) = delete;
  GdiplusCanvas& operator=(const GdiplusCanvas&) = delete;

  void fill(Rect area, Colour colour, double opacity = 1.0) override;
  void drawPicture(int x, int y, const Picture& picture, Rect source) override;
  void text(Rect box, std::string_view utf8, const Font& font, Colour colour,
            HAlign horizontal = HAlign::Left, VAlign vertical = VAlign::Top) override;
  void polyline(std::span<const Point> points, const Stroke& stroke) override;
  void polygon(std::span<const Point> points, Colour colour, double opacity = 1.0) override;

 private:
  void setUp();

  std::unique_ptr<Gdiplus::Bitmap> ownBitmap_;
  std::unique_ptr<Gdiplus::Graphics> graphics_;
};

// A bitmap of 32-bit premultiplied pixels of its own.
std::unique_ptr<Gdiplus::Bitmap> makeBitmap(int width, int height);

}  // namespace voltaro::canvas
