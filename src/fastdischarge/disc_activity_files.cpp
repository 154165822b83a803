#include "fastdischarge/disc_activity_files.h"

#include <filesystem>
#include <fstream>

namespace voltaro::fastdischarge {

namespace fs = std::filesystem;

DiscActivityFiles::DiscActivityFiles(const std::string& dataFolder)
    : folder_((fs::path(dataFolder) / "test").string()) {}

std::string DiscActivityFiles::path(int number) const {
  return (fs::path(folder_) / (std::to_string(number) + ".bin")).string();
}

bool DiscActivityFiles::createFolder() const {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  return fs::is_directory(folder_, ec);
}

bool DiscActivityFiles::write(int number, std::span<const char> bytes) const {
  std::ofstream out(path(number), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

void DiscActivityFiles::removeAll() const {
  for (int number = 0; number < kDiscFileCount; ++number) {
    std::error_code ec;
    fs::remove(path(number), ec);
  }
}

}  // namespace voltaro::fastdischarge
