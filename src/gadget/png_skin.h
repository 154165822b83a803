// PNG pictures decoded with libpng into straight RGBA, for the gadget's
// skins and charging symbols.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "gadget/pixel_buffer.h"
#include "gadget/skin_loading.h"

namespace voltaro::gadget {

// The picture of a PNG file, or of PNG bytes in memory. With `required`, a
// picture of another size is refused before its pixels are decoded.
PngDecode decodePngFile(const std::string& path, std::optional<PixelSize> required = {});
PngDecode decodePngBytes(std::span<const std::uint8_t> bytes,
                         std::optional<PixelSize> required = {});

}  // namespace voltaro::gadget
