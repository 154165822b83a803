// The drawing port's contract on GDI+, and the GDI+ codec: PNG bytes in,
// JPEG bytes out.
#include <cstring>

#include "canvas/canvas_contract.h"
#include "canvas/gdiplus_codec.h"
#include "canvas/gdiplus_environment.h"
#include "canvas/gdiplus_headers.h"

namespace voltaro::testing {
namespace {

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::GdiplusEnvironment);

std::unique_ptr<canvas::Picture> gdiplusPicture(const std::vector<std::uint32_t>& pixels, int width,
                                                int height) {
  auto bitmap = canvas::makeBitmap(width, height);
  const Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB, &data) !=
      Gdiplus::Ok) {
    return nullptr;
  }
  for (int y = 0; y < height; ++y) {
    std::memcpy(static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride,
                pixels.data() + static_cast<std::size_t>(y * width),
                static_cast<std::size_t>(width) * 4);
  }
  bitmap->UnlockBits(&data);
  return std::make_unique<canvas::GdiplusPicture>(std::move(bitmap));
}

// Wine's GDI+ draws lines and polygons without antialiasing.
bool underWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

CanvasMaker gdiplusMaker() {
  return {"Gdiplus",
          [](canvas::PixelMemory memory) -> std::unique_ptr<canvas::Canvas> {
            return std::make_unique<canvas::GdiplusCanvas>(memory);
          },
          gdiplusPicture, !underWine()};
}

INSTANTIATE_TEST_SUITE_P(Gdiplus, CanvasContract, ::testing::Values(gdiplusMaker()),
                         [](const auto& info) { return info.param.name; });

// A 2 x 1 PNG: an opaque red pixel and a half transparent blue one.
const std::uint8_t kTwoPixels[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xf4,
    0x22, 0x7f, 0x8a, 0x00, 0x00, 0x00, 0x0e, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8,
    0xcf, 0xc0, 0x00, 0x42, 0x0d, 0x00, 0x0f, 0x7a, 0x03, 0x7e, 0x77, 0xe9, 0x7f, 0x97, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

TEST(GdiplusCodec, DecodesPngWithStraightAlphaAndRefusesOtherBytes) {
  std::string error;
  const auto decoded = canvas::decodePixels(kTwoPixels, error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->width, 2);
  EXPECT_EQ(decoded->height, 1);
  const std::vector<std::uint8_t> expected{255, 0, 0, 255, 0, 0, 255, 128};
  EXPECT_EQ(decoded->rgba, expected);
  const auto picture = canvas::decodePicture(kTwoPixels);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->height(), 1);

  const std::uint8_t garbage[] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_FALSE(canvas::decodePixels(garbage, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(canvas::decodePicture(garbage), nullptr);
}

TEST(GdiplusCodec, EncodesABitmapAsJpeg) {
  auto bitmap = canvas::makeBitmap(32, 16);
  canvas::GdiplusCanvas(*bitmap).fill({0, 0, 32, 16}, canvas::rgb(0, 128, 255));
  const auto jpeg = canvas::encodeJpeg(*bitmap, 90);
  ASSERT_TRUE(jpeg);
  ASSERT_GT(jpeg->size(), 4u);
  EXPECT_EQ((*jpeg)[0], 0xFF);  // start of image
  EXPECT_EQ((*jpeg)[1], 0xD8);
  std::string error;
  const auto back = canvas::decodePixels(*jpeg, error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->width, 32);
  EXPECT_NEAR(back->rgba[2], 255, 8);
  EXPECT_NEAR(back->rgba[1], 128, 8);
}

}  // namespace
}  // namespace voltaro::testing
