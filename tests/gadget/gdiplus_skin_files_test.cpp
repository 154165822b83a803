// Charging symbols and skins decoded by GDI+: the picture at its size, and
// the messages for a wrongly sized or unreadable one.
#include <gtest/gtest.h>

#include "canvas/gdiplus_codec.h"
#include "canvas/gdiplus_headers.h"
#include "canvas/gdiplus_session.h"
#include "gadget/skin_files.h"

namespace voltaro::gadget {
namespace {

// A picture file of `width` x `height` in one grey, as JPEG (GDI+ reads any).
std::vector<std::uint8_t> greyPicture(int width, int height, std::uint32_t grey) {
  auto bitmap = canvas::makeBitmap(width, height);
  canvas::GdiplusCanvas(*bitmap).fill({0, 0, width, height}, canvas::rgb(grey, grey, grey));
  return canvas::encodeJpeg(*bitmap, 100).value_or(std::vector<std::uint8_t>{});
}

TEST(GdiplusSkinFiles, ChargingSymbolDecodedAtItsSizeOrRefused) {
  const canvas::GdiplusSession session;
  ASSERT_TRUE(session.started());
  GadgetSkins skins;
  EXPECT_EQ(loadChargingSymbol(greyPicture(49, 30, 0x60), true, "small", skins), std::nullopt);
  const std::uint32_t corner = skins.chargingSmall.at(48, 29);
  EXPECT_NEAR(static_cast<int>(corner & 0xFF), 0x60, 3);
  EXPECT_EQ(corner >> 24, 0xFFu);

  auto error = loadChargingSymbol(greyPicture(49, 30, 0), false, "large", skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("\"large\""), std::string::npos) << *error;
  EXPECT_NE(error->find("49 x 30 pixels, not 96 x 50"), std::string::npos) << *error;

  const std::vector<std::uint8_t> broken{'n', 'o', 't'};
  error = loadSkinFiles({"Z:\\voltaro-no-such-folder"}, skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("\"vtat1.dat\""), std::string::npos) << *error;
  EXPECT_TRUE(loadChargingSymbol(broken, true, "small", skins));
}

}  // namespace
}  // namespace voltaro::gadget
