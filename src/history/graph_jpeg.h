// Baseline JPEG encoding of a picture with libjpeg, in memory.
#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace voltaro::history {

constexpr int kScreenshotQuality = 90;

// The encoded file, or nullopt when libjpeg reports an error (which it would
// otherwise answer by ending the process).
std::optional<std::vector<std::uint8_t>> encodeJpeg(const QImage& picture,
                                                    int quality = kScreenshotQuality);

}  // namespace voltaro::history
