#include "history/graph_jpeg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "fakes/temporary_folder.h"
#include "history/graph_background.h"
#include "history/graph_screenshot.h"

namespace voltaro::history {
namespace {

namespace fs = std::filesystem;

struct Decoded {
  int width = 0;
  int height = 0;
  int components = 0;
  bool progressive = true;
  std::vector<std::uint8_t> rgb;  // rows of width * 3 bytes

  int luma(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return (rgb[at] * 299 + rgb[at + 1] * 587 + rgb[at + 2] * 114) / 1000;
  }
};

// Decodes with libjpeg's default error handling: a broken file fails the test
// program loudly, which is what a test wants.
Decoded decode(const std::vector<std::uint8_t>& file) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Decoded out;
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.components = info.output_components;
  out.progressive = info.progressive_mode != 0;
  out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return out;
}

// The frame markers of a JPEG file, walking its segments from the start.
std::vector<int> frameMarkers(const std::vector<std::uint8_t>& file) {
  std::vector<int> markers;
  std::size_t at = 2;  // after SOI
  while (at + 4 <= file.size() && file[at] == 0xFF) {
    const int marker = file[at + 1];
    if (marker == 0xDA) break;  // start of scan: entropy-coded data follows
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      markers.push_back(marker);
    }
    at += 2 + (file[at + 2] << 8 | file[at + 3]);
  }
  return markers;
}

// First entry of each quantisation table, in table order.
std::vector<int> firstQuantisers(const std::vector<std::uint8_t>& file) {
  std::vector<int> firsts;
  std::size_t at = 2;
  while (at + 4 <= file.size() && file[at] == 0xFF && file[at + 1] != 0xDA) {
    const std::size_t length = file[at + 2] << 8 | file[at + 3];
    if (file[at + 1] == 0xDB) {
      for (std::size_t t = at + 4; t + 65 <= at + 2 + length; t += 65)
        firsts.push_back(file[t + 1]);
    }
    at += 2 + length;
  }
  return firsts;
}

TEST(GraphJpeg, BaselineAtQualityNinetyWithTheSurfaceSize) {
  QImage surface = makeGraphBackground();
  paintAxes(surface, 16, 96);
  const auto file = encodeJpeg(surface);
  ASSERT_TRUE(file);
  ASSERT_GE(file->size(), 4u);
  EXPECT_EQ((*file)[0], 0xFF);
  EXPECT_EQ((*file)[1], 0xD8);
  EXPECT_EQ(frameMarkers(*file), std::vector<int>{0xC0});  // SOF0: baseline DCT
  // Quality 90 scales the standard tables by 20 %: luminance 16 -> 3 and
  // chrominance 17 -> 3 (rounded down from 3.4).
  EXPECT_EQ(firstQuantisers(*file), (std::vector<int>{3, 3}));

  const Decoded picture = decode(*file);
  EXPECT_EQ(picture.width, 800);
  EXPECT_EQ(picture.height, 434);
  EXPECT_EQ(picture.components, 3);
  EXPECT_FALSE(picture.progressive);
  EXPECT_LE(picture.luma(5, 300), 8);  // black left axis below the scale
  EXPECT_NEAR(picture.luma(300, 300), qGray(surface.pixel(300, 300)), 8);
}

TEST(GraphJpeg, LibraryErrorsReturnInsteadOfEndingTheProgram) {
  // Wider than a JPEG frame can be (65500): libjpeg reports an error.
  const QImage tooWide(70000, 1, QImage::Format_RGB32);
  EXPECT_FALSE(encodeJpeg(tooWide));
  EXPECT_FALSE(encodeJpeg(QImage()));
  // And the next encoding works as before.
  QImage small(16, 16, QImage::Format_RGB32);
  small.fill(Qt::white);
  const auto file = encodeJpeg(small);
  ASSERT_TRUE(file);
  EXPECT_EQ(decode(*file).width, 16);
}

class ScreenshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = makeGraphBackground();
    paintAxes(surface, 16, 96);
  }

  std::vector<std::uint8_t> read(const std::string& name) {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Pixels brighter than the black bottom line in the caption's place.
  static int captionPixels(const Decoded& picture) {
    int bright = 0;
    for (int y = 420; y < 432; ++y) {
      for (int x = 50; x < 150; ++x) bright += picture.luma(x, y) > 60;
    }
    return bright;
  }

  testing::TemporaryFolder temporary;
  const fs::path& folder = temporary.path();
  QImage surface;
};

TEST_F(ScreenshotTest, NumbersFilesAndStampsTheCaptionOnlyIntoTheFile) {
  const QImage before = surface.copy();
  for (int n = 1; n <= 3; ++n) {
    const ScreenshotResult shot = saveScreenshot(surface, folder.string(), "Voltaro 9.2", 96);
    EXPECT_EQ(shot.number, n);
    EXPECT_EQ(shot.fileName, "VTshot" + std::to_string(n) + ".jpg");
    EXPECT_TRUE(shot.saved);
  }
  const Decoded picture = decode(read("VTshot1.jpg"));
  EXPECT_EQ(picture.width, 800);
  EXPECT_GT(captionPixels(picture), 20);
  // On the surface the caption's rectangle is black again, the rest as before.
  for (int y = 418; y < 434; ++y) {
    for (int x = 50; x <= 200; ++x) ASSERT_EQ(surface.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
  }
  EXPECT_EQ(surface.copy(0, 0, 800, 418), before.copy(0, 0, 800, 418));
  EXPECT_EQ(surface.copy(201, 418, 599, 16), before.copy(201, 418, 599, 16));

  fs::remove(folder / "VTshot2.jpg");
  EXPECT_EQ(saveScreenshot(surface, folder.string(), "Voltaro 9.2", 96).number, 2);
  EXPECT_EQ(captionPixels(decode(read("VTshot2.jpg"))), captionPixels(picture));
}

TEST_F(ScreenshotTest, AFailedWriteIsReportedAndStillErasesTheCaption) {
  const ScreenshotResult shot =
      saveScreenshot(surface, (folder / "missing" / "deeper").string(), "Voltaro 9.2", 96);
  EXPECT_EQ(shot.number, 1);
  EXPECT_FALSE(shot.saved);
  for (int x = 50; x <= 200; ++x) ASSERT_EQ(surface.pixel(x, 425), qRgb(0, 0, 0)) << x;
}

}  // namespace
}  // namespace voltaro::history
