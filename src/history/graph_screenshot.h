// The Graph page's screenshot of a Qt image: the caption stamped, the image
// encoded with libjpeg and written as the first free "VTshot" file, the
// caption erased again (screenshot_file.h).
#pragma once

#include <QImage>
#include <string>

#include "history/screenshot_file.h"

namespace voltaro::history {

ScreenshotResult saveScreenshot(QImage& surface, const std::string& folder,
                                const std::string& caption, double dotsPerInch);

}  // namespace voltaro::history
