#include "history/graph_screenshot.h"

#include <QPainter>
#include <filesystem>

#include "common/file_io.h"
#include "history/graph_jpeg.h"
#include "history/graph_text.h"
#include "history/screenshot_name.h"

namespace voltaro::history {

void stampCaption(QImage& surface, const std::string& caption, double dotsPerInch) {
  QPainter painter(&surface);
  drawGraphText(painter, 50, 418, QString::fromStdString(caption), graphFont(dotsPerInch),
                kAxisTextColor);
}

void eraseCaption(QImage& surface) {
  QPainter painter(&surface);
  // x 50..200, y 418..434, both ends included.
  painter.fillRect(QRect(50, 418, 151, 17), Qt::black);
}

ScreenshotResult saveScreenshot(QImage& surface, const std::string& folder,
                                const std::string& caption, double dotsPerInch) {
  stampCaption(surface, caption, dotsPerInch);
  const auto jpeg = encodeJpeg(surface, kScreenshotQuality);
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
