// The disc load's files: "0.bin" to "255.bin" in the folder "test" of the
// data folder, each exactly 32768 random bytes. At most 256 exist at once.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace voltaro::fastdischarge {

inline constexpr int kDiscFileCount = 256;
inline constexpr std::size_t kDiscFileBytes = 32768;

class DiscActivityFiles {
 public:
  // `dataFolder` ends in the path separator.
  explicit DiscActivityFiles(const std::string& dataFolder);

  const std::string& folder() const { return folder_; }
  std::string path(int number) const;  // number 0..255
  // Creates the folder when it is missing; false when it cannot be made.
  bool createFolder() const;
  // Creates or overwrites file `number`; false when it cannot be written whole.
  bool write(int number, std::span<const char> bytes) const;
  // Deletes files 0 to 255, ignoring missing ones; the folder stays.
  void removeAll() const;

 private:
  std::string folder_;
};

}  // namespace voltaro::fastdischarge
