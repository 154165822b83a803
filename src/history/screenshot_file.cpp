#include "history/screenshot_file.h"

#include <filesystem>

#include "common/file_io.h"
#include "history/graph_font.h"
#include "history/screenshot_name.h"

namespace voltaro::history {

void stampCaption(canvas::Canvas& surface, const std::string& caption, double dotsPerInch) {
  drawGraphText(surface, 50, 418, caption, graphCanvasFont(dotsPerInch), kAxisTextColour);
}

void eraseCaption(canvas::Canvas& surface) {
  // x 50..200, y 418..434, both ends included.
  surface.fill({50, 418, 151, 17}, 0);
}

ScreenshotResult saveScreenshot(canvas::Canvas& surface, const JpegEncoder& encode,
                                const std::string& folder, const std::string& caption,
                                double dotsPerInch) {
  stampCaption(surface, caption, dotsPerInch);
  const auto jpeg = encode();
  ScreenshotResult result;
  result.number = firstFreeShotNumber(folder);
  result.fileName = shotFileName(result.number);
  if (jpeg) {
    const auto path = std::filesystem::path(folder) / result.fileName;
    const FileWrite written = replaceFileAtomically(path.string(), *jpeg);
    result.saved = written.ok;
    result.error = written.cause;
  } else {
    result.error = "the picture could not be encoded";
  }
  eraseCaption(surface);
  return result;
}

}  // namespace voltaro::history
