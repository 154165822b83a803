// A folder of its own under the system's temporary folder for one test,
// made empty at construction and removed with everything in it at the end.
// Its name is random, so test cases that ctest runs at the same time never
// share one.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace voltaro::testing {

class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::string& prefix = "voltaro-test-") {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            (prefix + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the program's data folders are written: ending in the separator.
  std::string folder() const { return path_.string() + "/"; }
  // A path inside the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace voltaro::testing
