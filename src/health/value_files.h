// The 4-byte value files of the health record: one unsigned 32-bit
// little-endian number per file, no header.
//
// The store reaches the files through this interface so that tests can watch
// every save in order and make single files fail.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace voltaro::health {

constexpr std::size_t kValueFileBytes = 4;

// The exact bytes of a value file.
std::vector<std::uint8_t> encodeValueFile(std::uint32_t value);
// The first 4 bytes as a value; nullopt when fewer than 4.
std::optional<std::uint32_t> decodeValueFile(std::span<const std::uint8_t> bytes);

class ValueFiles {
 public:
  virtual ~ValueFiles() = default;
  virtual bool exists(const std::string& path) = 0;
  // `sve`: creates or replaces the file with the 4-byte value; false on failure.
  virtual bool sve(const std::string& path, std::uint32_t value) = 0;
  // `readval`: the first 4 bytes of an existing file; nullopt when the file
  // cannot be read or is shorter than 4 bytes.
  virtual std::optional<std::uint32_t> readval(const std::string& path) = 0;
};

// Value files on disc. A save replaces the file whole, so a failure leaves
// the previous value readable.
class DiskValueFiles final : public ValueFiles {
 public:
  bool exists(const std::string& path) override;
  bool sve(const std::string& path, std::uint32_t value) override;
  std::optional<std::uint32_t> readval(const std::string& path) override;
};

}  // namespace voltaro::health
