// The Graph page's screenshot: the caption stamped on the drawing surface,
// the surface encoded as JPEG and written as the first free "VTshot" file of
// the data folder, then the caption erased again.
//
// The caller holds the busy flag around this, so no tick redraws the surface
// between stamping and erasing.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace voltaro::history {

struct ScreenshotResult {
  int number = 0;        // the n of "VTshot" n ".jpg"
  std::string fileName;  // "VTshot7.jpg"
  bool saved = false;    // false when encoding or writing failed
  std::string error;     // why not, in plain words, when not saved
};

// The surface as a JPEG file, or nullopt when it cannot be encoded.
using JpegEncoder = std::function<std::optional<std::vector<std::uint8_t>>()>;

// `surface` draws on the picture `encode` encodes; `caption` is the product
// title, a blank and the version ("Voltaro 9.2").
ScreenshotResult saveScreenshot(canvas::Canvas& surface, const JpegEncoder& encode,
                                const std::string& folder, const std::string& caption,
                                double dotsPerInch);

// The caption as the screenshot stamps it, and the rectangle that erases it.
void stampCaption(canvas::Canvas& surface, const std::string& caption, double dotsPerInch);
void eraseCaption(canvas::Canvas& surface);

}  // namespace voltaro::history
