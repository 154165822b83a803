#include "gadget/skin_files.h"

#include "gadget/png_skin.h"

namespace voltaro::gadget {

namespace {
const PngDecoder& libpng() {
  static const PngDecoder decoder{
      [](const std::string& path, std::optional<PixelSize> required) {
        return decodePngFile(path, required);
      },
      [](std::span<const std::uint8_t> bytes, std::optional<PixelSize> required) {
        return decodePngBytes(bytes, required);
      }};
  return decoder;
}
}  // namespace

std::optional<std::string> loadSkinFiles(const std::vector<std::string>& folders,
                                         GadgetSkins& skins) {
  return loadSkinFiles(folders, skins, libpng());
}

std::optional<std::string> loadChargingSymbol(std::span<const std::uint8_t> png, bool small,
                                              const std::string& name, GadgetSkins& skins) {
  return loadChargingSymbol(png, small, name, skins, libpng());
}

}  // namespace voltaro::gadget
