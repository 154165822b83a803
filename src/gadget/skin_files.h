// Loading the gadget's skins and charging symbols (skin_loading.h) with the
// platform's decoder: libpng (skin_files.cpp) or GDI+ (gdiplus_skin_files.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gadget/skin_loading.h"

namespace voltaro::gadget {

// Fills the sixteen skins of `skins`. Returns nullopt, or a message naming
// the file that is missing or cannot be used and why; the message is meant
// for the user, who can do nothing with the program but reinstall it.
std::optional<std::string> loadSkinFiles(const std::vector<std::string>& folders,
                                         GadgetSkins& skins);

// Decodes the large (96 x 50) or small (49 x 30) charging symbol; the
// message names `name` when it fails.
std::optional<std::string> loadChargingSymbol(std::span<const std::uint8_t> png, bool small,
                                              const std::string& name, GadgetSkins& skins);

}  // namespace voltaro::gadget
