// Fuzzes the decoding of the gadget's skin pictures and charging symbols as
// the program loads them: always with the size the picture must have.
//
// Input: one byte choosing the picture (its value modulo 18: 0..15 the skins
// "vtat1.dat" ... "vtat16.dat", 16 the small charging symbol, 17 the large
// one), then the PNG bytes.
//
// Properties: a picture is decoded only at its required size, with four
// bytes per pixel; a skin's level rule gives a premultiplied buffer (no
// colour above its alpha where the alpha is below 240); a charging symbol is
// opaque.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "gadget/gadget_layout.h"
#include "gadget/gadget_skins.h"
#include "gadget/png_skin.h"
#include "gadget/skin_files.h"
#include "gadget/skin_levels.h"

namespace {

using namespace voltaro::gadget;

constexpr int kPictures = kSkinCount + 2;

void checkSkin(int number, std::span<const std::uint8_t> png) {
  const PngDecode decoded = decodePngBytes(png, skinSize(number));
  if (!decoded.image) {
    FUZZ_CHECK(!decoded.error.empty());
    return;
  }
  const StraightImage& image = *decoded.image;
  FUZZ_CHECK((PixelSize{image.width, image.height}) == skinSize(number));
  FUZZ_CHECK(image.rgba.size() == static_cast<std::size_t>(image.width) * image.height * 4);
  const PixelBuffer skin = applyLevelRule(image);
  FUZZ_CHECK(skin.size() == skinSize(number));
  for (int y = 0; y < skin.height(); ++y) {
    for (int x = 0; x < skin.width(); ++x) {
      const Pixel p = skin.at(x, y);
      if (alphaOf(p) >= 240) continue;
      FUZZ_CHECK(redOf(p) <= alphaOf(p) && greenOf(p) <= alphaOf(p) && blueOf(p) <= alphaOf(p));
    }
  }
}

void checkChargingSymbol(bool small, std::span<const std::uint8_t> png) {
  GadgetSkins skins;
  if (loadChargingSymbol(png, small, "charging", skins)) return;
  const PixelBuffer& symbol = small ? skins.chargingSmall : skins.chargingLarge;
  FUZZ_CHECK(symbol.size() == chargingSymbolSize(small));
  for (int y = 0; y < symbol.height(); ++y) {
    for (int x = 0; x < symbol.width(); ++x) FUZZ_CHECK(alphaOf(symbol.at(x, y)) == 0xFF);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int picture = data[0] % kPictures;
  const std::span<const std::uint8_t> png(data + 1, size - 1);
  if (picture < kSkinCount) {
    checkSkin(picture + 1, png);
  } else {
    checkChargingSymbol(picture == kSkinCount, png);
  }
  return 0;
}
