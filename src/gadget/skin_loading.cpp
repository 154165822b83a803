#include "gadget/skin_loading.h"

#include <filesystem>
#include <system_error>

#include "gadget/gadget_layout.h"

namespace voltaro::gadget {

namespace {
std::optional<std::string> findFile(const std::vector<std::string>& folders,
                                    const std::string& name) {
  for (const std::string& folder : folders) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path.string();
  }
  return std::nullopt;
}

std::string missingMessage(const std::vector<std::string>& folders, const std::string& name) {
  std::string text = "The gadget skin \"" + name + "\" is missing; it was looked for in";
  for (std::size_t i = 0; i < folders.size(); ++i) {
    text += (i == 0 ? " " : " and ") + folders[i];
  }
  return text + ".";
}
}  // namespace

std::string wrongSizeText(PixelSize size, PixelSize required) {
  const auto text = [](PixelSize s) {
    return std::to_string(s.width) + " x " + std::to_string(s.height);
  };
  return "the picture is " + text(size) + " pixels, not " + text(required);
}

std::optional<std::string> loadSkinFiles(const std::vector<std::string>& folders,
                                         GadgetSkins& skins, const PngDecoder& decoder) {
  for (int number = 1; number <= kSkinCount; ++number) {
    const std::string name = skinFileName(number);
    const auto path = findFile(folders, name);
    if (!path) return missingMessage(folders, name);
    const PngDecode decoded = decoder.file(*path, skinSize(number));
    if (!decoded.image) {
      return "The gadget skin \"" + *path + "\" cannot be used: " + decoded.error + ".";
    }
    skins.file(number) = applyLevelRule(*decoded.image);
  }
  return std::nullopt;
}

std::optional<std::string> loadChargingSymbol(std::span<const std::uint8_t> png, bool small,
                                              const std::string& name, GadgetSkins& skins,
                                              const PngDecoder& decoder) {
  const PngDecode decoded = decoder.bytes(png, chargingSymbolSize(small));
  if (!decoded.image) {
    return "The gadget's charging symbol \"" + name + "\" cannot be used: " + decoded.error + ".";
  }
  (small ? skins.chargingSmall : skins.chargingLarge) = opaquePicture(*decoded.image);
  return std::nullopt;
}

}  // namespace voltaro::gadget
