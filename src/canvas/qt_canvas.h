// The drawing port on QPainter: the Qt program's pictures, and the pictures
// the Linux tools and tests draw. A canvas draws with a painter the caller
// holds, or with one of its own on an image or on pixel memory.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "canvas/canvas.h"

namespace voltaro::canvas {

class QtPicture final : public Picture {
 public:
  // Qt images share their pixels: keeping a copy costs no pixel copy.
  explicit QtPicture(QImage image) : image_(std::move(image)) {}
  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }
  const QImage& image() const { return image_; }

 private:
  QImage image_;
};

class QtCanvas final : public Canvas {
 public:
  // Draws with `painter`, which must outlive the canvas.
  explicit QtCanvas(QPainter& painter) : painter_(&painter) {}
  // Draws on `image` (kept by the caller) with a painter of its own.
  explicit QtCanvas(QImage& image);
  // Draws into the caller's pixel memory, taken as a 96-dpi picture.
  explicit QtCanvas(PixelMemory memory);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void fill(Rect area, Colour colour, double opacity = 1.0) override;
  void drawPicture(int x, int y, const Picture& picture, Rect source) override;
  void text(Rect box, std::string_view utf8, const Font& font, Colour colour,
            HAlign horizontal = HAlign::Left, VAlign vertical = VAlign::Top) override;
  void polyline(std::span<const Point> points, const Stroke& stroke) override;
  void polygon(std::span<const Point> points, Colour colour, double opacity = 1.0) override;

  // The QFont of `font` on a device of `dotsPerInch`: a whole pixel size is
  // set as pixels, any other as the points that give it on that device.
  static QFont qtFont(const Font& font, double dotsPerInch);
  static QColor qtColour(Colour colour) {
    return QColor(int(redOf(colour)), int(greenOf(colour)), int(blueOf(colour)));
  }

 private:
  // Blends a translucent fill straight into the image the painter draws on;
  // false where the painter does not draw plainly onto a 32-bit image.
  bool blendIntoImage(Rect area, Colour colour, double opacity);

  std::unique_ptr<QImage> ownImage_;
  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_;
};

}  // namespace voltaro::canvas
