// Skin files through libpng: decoding with straight alpha, the level rule on
// the way in, and the messages for a missing, broken or wrongly sized skin.
#include "gadget/skin_files.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "gadget/png_skin.h"

namespace voltaro::gadget {
namespace {

// A PNG of `size` whose pixels are all (r, g, b, a), straight alpha.
std::vector<std::uint8_t> encodePng(PixelSize size, std::array<std::uint8_t, 4> rgba) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < size.width * size.height; ++i)
    pixels.insert(pixels.end(), rgba.begin(), rgba.end());
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(size.width);
  image.height = static_cast<png_uint_32>(size.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t bytes = 0;
  png_image_write_to_memory(&image, nullptr, &bytes, 0, pixels.data(), 0, nullptr);
  std::vector<std::uint8_t> out(bytes);
  EXPECT_NE(png_image_write_to_memory(&image, out.data(), &bytes, 0, pixels.data(), 0, nullptr), 0);
  out.resize(bytes);
  return out;
}

class SkinFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("voltaro_skins_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  void writeAllSkins() {
    for (int n = 1; n <= kSkinCount; ++n)
      write(skinFileName(n), encodePng(skinSize(n), {200, 100, 50, 120}));
  }

  std::filesystem::path folder;
};

TEST_F(SkinFilesTest, LoadsEverySkinThroughTheLevelRule) {
  writeAllSkins();
  GadgetSkins skins;
  EXPECT_EQ(loadSkinFiles({(folder / "elsewhere").string(), folder.string()}, skins), std::nullopt);
  EXPECT_EQ(skins.file(11).size(), (PixelSize{96, 258}));
  EXPECT_EQ(skins.file(15).size(), (PixelSize{49, 91}));
  // Alpha 120 is level 128; the colours are premultiplied by it.
  EXPECT_EQ(skins.file(11).at(95, 257), argb(128, 100, 50, 25));
}

TEST_F(SkinFilesTest, MissingBrokenOrWrongSizeNamesTheFile) {
  writeAllSkins();
  std::filesystem::remove(folder / "vtat7.dat");
  GadgetSkins skins;
  auto error = loadSkinFiles({folder.string()}, skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("\"vtat7.dat\" is missing"), std::string::npos) << *error;

  write("vtat7.dat", {'n', 'o', 't', ' ', 'p', 'n', 'g'});
  error = loadSkinFiles({folder.string()}, skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find((folder / "vtat7.dat").string()), std::string::npos) << *error;

  write("vtat7.dat", encodePng({96, 13}, {0, 0, 0, 255}));
  error = loadSkinFiles({folder.string()}, skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("96 x 13 pixels, not 96 x 12"), std::string::npos) << *error;
}

TEST(ChargingSymbolTest, DecodedOpaqueAtItsSize) {
  GadgetSkins skins;
  EXPECT_EQ(loadChargingSymbol(encodePng({49, 30}, {0x60, 0x60, 0x60, 255}), true, "small", skins),
            std::nullopt);
  EXPECT_EQ(skins.chargingSmall.at(48, 29), rgb(0x60, 0x60, 0x60));
  const auto error = loadChargingSymbol(encodePng({49, 30}, {0, 0, 0, 255}), false, "large", skins);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("\"large\""), std::string::npos);
}

}  // namespace
}  // namespace voltaro::gadget
