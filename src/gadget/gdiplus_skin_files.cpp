// The gadget's skins and charging symbols decoded by GDI+, on Windows.
#include <fstream>
#include <iterator>

#include "canvas/gdiplus_codec.h"
#include "gadget/skin_files.h"

namespace voltaro::gadget {

namespace {

PngDecode decodeBytes(std::span<const std::uint8_t> bytes, std::optional<PixelSize> required) {
  std::string error;
  auto decoded = canvas::decodePixels(bytes, error);
  if (!decoded) return {std::nullopt, error};
  const PixelSize size{decoded->width, decoded->height};
  if (required && size != *required) return {std::nullopt, wrongSizeText(size, *required)};
  return {StraightImage{size.width, size.height, std::move(decoded->rgba)}, {}};
}

PngDecode decodeFile(const std::string& path, std::optional<PixelSize> required) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, "it cannot be read"};
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  return decodeBytes(bytes, required);
}

const PngDecoder kGdiplus{decodeFile, decodeBytes};

}  // namespace

std::optional<std::string> loadSkinFiles(const std::vector<std::string>& folders,
                                         GadgetSkins& skins) {
  return loadSkinFiles(folders, skins, kGdiplus);
}

std::optional<std::string> loadChargingSymbol(std::span<const std::uint8_t> png, bool small,
                                              const std::string& name, GadgetSkins& skins) {
  return loadChargingSymbol(png, small, name, skins, kGdiplus);
}

}  // namespace voltaro::gadget
