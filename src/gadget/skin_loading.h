// Loading the gadget's skins with any PNG decoder: each "vtatN.dat" from the
// first folder that has it, decoded, checked against its size and converted
// by the level rule; and the charging symbols from PNG bytes. libpng decodes
// them on Linux (skin_files.h), GDI+ on Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gadget/gadget_skins.h"
#include "gadget/skin_levels.h"

namespace voltaro::gadget {

struct PngDecode {
  std::optional<StraightImage> image;
  std::string error;  // why there is no image
};

// The picture of a PNG file, or of PNG bytes in memory. With `required`, a
// picture of another size is refused.
struct PngDecoder {
  std::function<PngDecode(const std::string& path, std::optional<PixelSize> required)> file;
  std::function<PngDecode(std::span<const std::uint8_t> bytes, std::optional<PixelSize> required)>
      bytes;
};

// Fills the sixteen skins of `skins`. Returns nullopt, or a message naming
// the file that is missing or cannot be used and why; the message is meant
// for the user, who can do nothing with the program but reinstall it.
std::optional<std::string> loadSkinFiles(const std::vector<std::string>& folders,
                                         GadgetSkins& skins, const PngDecoder& decoder);

// Decodes the large (96 x 50) or small (49 x 30) charging symbol; the
// message names `name` when it fails.
std::optional<std::string> loadChargingSymbol(std::span<const std::uint8_t> png, bool small,
                                              const std::string& name, GadgetSkins& skins,
                                              const PngDecoder& decoder);

// "a x b pixels, not c x d": why a picture of the wrong size is refused.
std::string wrongSizeText(PixelSize size, PixelSize required);

}  // namespace voltaro::gadget
