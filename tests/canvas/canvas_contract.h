// What every implementation of the drawing port must do, run against each:
// fills that replace and blend, antialiased lines and polygons through pixel
// centres, parts of pictures, and text placed by its alignment. Expected
// values are worked out from the port's pixel rules; text, whose glyphs
// differ between font engines, is checked by where its ink lies.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace voltaro::testing {

struct CanvasMaker {
  std::string name;
  std::function<std::unique_ptr<canvas::Canvas>(canvas::PixelMemory)> onPixels;
  // A picture of premultiplied 0xAARRGGBB pixels, rows top down.
  std::function<std::unique_ptr<canvas::Picture>(const std::vector<std::uint32_t>&, int, int)>
      picture;
  // False where the drawing engine cannot antialias (GDI+ under wine draws
  // lines and polygons with hard edges): the edge checks are left out.
  bool antialiases = true;
};

class CanvasContract : public ::testing::TestWithParam<CanvasMaker> {
 protected:
  static constexpr int kSize = 64;
  static constexpr std::uint32_t kBlack = 0xFF000000;

  // Draws with a fresh canvas on an opaque black picture.
  void draw(const std::function<void(canvas::Canvas&)>& paint) {
    pixels.assign(kSize * kSize, kBlack);
    auto canvas = GetParam().onPixels({pixels.data(), kSize, kSize, false});
    ASSERT_NE(canvas, nullptr);
    paint(*canvas);
  }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kSize + x)]; }
  static int red(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
  static int green(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
  static int blue(std::uint32_t p) { return static_cast<int>(p & 0xFF); }
  bool inked(int x, int y) const { return (at(x, y) & 0xFFFFFF) != 0; }

  // The box around every inked pixel: left, top, right, bottom; right < left when none.
  std::array<int, 4> ink() const {
    std::array<int, 4> box{kSize, kSize, -1, -1};
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (!inked(x, y)) continue;
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
      }
    }
    return box;
  }

  std::vector<std::uint32_t> pixels;
};

TEST_P(CanvasContract, FillsReplaceOrBlendOnlyInsideTheirArea) {
  draw([](canvas::Canvas& c) {
    c.fill({4, 4, 10, 6}, canvas::rgb(10, 200, 30));
    c.fill({20, 4, 10, 6}, canvas::rgb(200, 100, 250), 0.5);
  });
  EXPECT_EQ(at(4, 4) & 0xFFFFFF, 0x0AC81Eu);
  EXPECT_EQ(at(13, 9) & 0xFFFFFF, 0x0AC81Eu);
  EXPECT_FALSE(inked(14, 9));
  EXPECT_FALSE(inked(13, 10));
  EXPECT_FALSE(inked(3, 4));
  // Half of each channel over black.
  EXPECT_NEAR(red(at(25, 6)), 100, 2);
  EXPECT_NEAR(green(at(25, 6)), 50, 2);
  EXPECT_NEAR(blue(at(25, 6)), 125, 2);
}

TEST_P(CanvasContract, LinesAndPolygonsAreAntialiasedAroundPixelCentres) {
  draw([](canvas::Canvas& c) {
    const canvas::Point column[] = {{10.5, 2}, {10.5, 20}};
    c.polyline(column, {canvas::rgb(255, 255, 255), 1.0, 1.0, canvas::LineCap::Flat});
    const canvas::Point slope[] = {{20, 40}, {60, 50}};
    c.polyline(slope, {canvas::rgb(255, 255, 255), 1.5, 1.0, canvas::LineCap::Round});
    const canvas::Point triangle[] = {{30, 2}, {60, 2}, {30, 32}};
    c.polygon(triangle, canvas::rgb(0, 0, 255));
  });
  // The triangle: inside, and outside beyond its slanted edge.
  EXPECT_EQ(blue(at(35, 6)), 255);
  EXPECT_FALSE(inked(55, 25));
  if (!GetParam().antialiases) GTEST_SKIP() << "this engine draws without antialiasing";
  // The one-pixel line through x 10.5 covers column 10 alone.
  EXPECT_GE(red(at(10, 10)), 240);
  EXPECT_FALSE(inked(9, 10));
  EXPECT_FALSE(inked(11, 10));
  // A slanted line leaves pixels it only partly covers in between.
  int partial = 0;
  for (int y = 38; y < 53; ++y) {
    for (int x = 18; x < 62; ++x) partial += red(at(x, y)) > 20 && red(at(x, y)) < 230 ? 1 : 0;
  }
  EXPECT_GT(partial, 5);
  // The triangle's slanted edge x + y = 62 runs through the centre of (45, 16).
  EXPECT_GT(blue(at(45, 16)), 20);
  EXPECT_LT(blue(at(45, 16)), 235);
}

TEST_P(CanvasContract, PicturesDrawTheirSourcePartBlendedByTheirAlpha) {
  // 4 x 4 pixels, each telling its place; row 3 half transparent white.
  std::vector<std::uint32_t> source(16);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      source[static_cast<std::size_t>(y * 4 + x)] =
          y == 3 ? 0x80808080u
                 : 0xFF000000u | static_cast<std::uint32_t>(40 * x + 1) << 16 |
                       static_cast<std::uint32_t>(40 * y + 1) << 8;
    }
  }
  const auto picture = GetParam().picture(source, 4, 4);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width(), 4);
  draw([&picture](canvas::Canvas& c) {
    c.drawPicture(10, 10, *picture, {1, 1, 2, 2});
    c.drawPicture(20, 20, *picture, {0, 3, 4, 1});
  });
  EXPECT_EQ(at(10, 10) & 0xFFFFFF, 0x292900u);  // source (1, 1)
  EXPECT_EQ(at(11, 11) & 0xFFFFFF, 0x515100u);  // source (2, 2)
  EXPECT_FALSE(inked(12, 12));
  EXPECT_FALSE(inked(9, 10));
  EXPECT_NEAR(red(at(21, 20)), 128, 2);
  EXPECT_FALSE(inked(21, 21));
}

TEST_P(CanvasContract, TextStaysInItsBoxAtItsAlignment) {
  canvas::Font font;
  font.pixels = 12;
  const canvas::Colour white = canvas::rgb(255, 255, 255);
  draw([&](canvas::Canvas& c) { c.text({4, 4, 56, 20}, "Volt", font, white); });
  const auto left = ink();
  draw([&](canvas::Canvas& c) {
    c.text({4, 4, 56, 20}, "Volt", font, white, canvas::HAlign::Right, canvas::VAlign::Middle);
  });
  const auto right = ink();
  draw([&](canvas::Canvas& c) {
    c.text({4, 4, 56, 20}, "Volt", font, white, canvas::HAlign::Centre);
  });
  const auto centre = ink();
  ASSERT_LE(left[0], left[2]) << "no ink";
  EXPECT_LE(left[0], 6);  // from the box's left edge, give or take a side bearing
  EXPECT_GE(left[1], 4);
  EXPECT_GE(right[2], 57);  // to the box's right edge at 59
  EXPECT_LE(right[2], 59);
  EXPECT_GT(right[1], left[1]);  // the middle of the box, below its top
  EXPECT_LE(right[3], 24);
  const int before = centre[0] - 4;
  const int after = 59 - centre[2];
  EXPECT_NEAR(before, after, 2);
  EXPECT_NEAR(centre[2] - centre[0], left[2] - left[0], 1);
}

}  // namespace voltaro::testing
