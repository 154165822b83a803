#include "history/screenshot_name.h"

#include <filesystem>
#include <system_error>

namespace voltaro::history {

std::string shotFileName(int number) {
  return "VTshot" + std::to_string(number) + ".jpg";
}

int firstFreeShotNumber(const std::function<bool(const std::string& fileName)>& exists) {
  for (int number = 1; number < kLastShotNumber; ++number) {
    if (!exists(shotFileName(number))) return number;
  }
  return kLastShotNumber;
}

int firstFreeShotNumber(const std::string& folder) {
  const std::filesystem::path base(folder);
  return firstFreeShotNumber([&base](const std::string& fileName) {
    std::error_code error;
    // A name that cannot be checked counts as taken, so no file is overwritten
    // on a guess.
    const bool found = std::filesystem::exists(base / fileName, error);
    return found || static_cast<bool>(error);
  });
}

}  // namespace voltaro::history
