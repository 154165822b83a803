#include "gadget/png_skin.h"

#include <png.h>

#include <cstring>

namespace voltaro::gadget {

namespace {
// Reads the pixels of an image whose header was read; frees it in any case.
PngDecode finish(png_image& png, std::optional<PixelSize> required) {
  const PixelSize size{static_cast<int>(png.width), static_cast<int>(png.height)};
  if (required && size != *required) {
    png_image_free(&png);
    return {std::nullopt, wrongSizeText(size, *required)};
  }
  png.format = PNG_FORMAT_RGBA;
  StraightImage image{size.width, size.height, std::vector<std::uint8_t>(PNG_IMAGE_SIZE(png))};
  if (png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) == 0) {
    PngDecode failed{std::nullopt, png.message};
    png_image_free(&png);
    return failed;
  }
  return {std::move(image), {}};
}

PngDecode headerFailed(png_image& png) {
  PngDecode failed{std::nullopt, png.message[0] != '\0' ? png.message : "not a PNG picture"};
  png_image_free(&png);
  return failed;
}
}  // namespace

PngDecode decodePngFile(const std::string& path, std::optional<PixelSize> required) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return headerFailed(png);
  return finish(png, required);
}

PngDecode decodePngBytes(std::span<const std::uint8_t> bytes, std::optional<PixelSize> required) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()) == 0) {
    return headerFailed(png);
  }
  return finish(png, required);
}

}  // namespace voltaro::gadget
