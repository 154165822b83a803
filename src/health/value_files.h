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

#include "common/file_io.h"

namespace voltaro::health {

constexpr std::size_t kValueFileBytes = 4;

// The exact bytes of a value file.
std::vector<std::uint8_t> encodeValueFile(std::uint32_t value);
// The first 4 bytes as a value; nullopt when fewer than 4.
std::optional<std::uint32_t> decodeValueFile(std::span<const std::uint8_t> bytes);

class ValueFiles {
 public:
  virtual ~ValueFiles() = default;
  // `sve`: creates or replaces the file with the 4-byte value.
  virtual FileWrite sve(const std::string& path, std::uint32_t value) = 0;
  // `readval`: at most the first 4 bytes; a shorter file reads fewer.
  virtual FileRead readval(const std::string& path) = 0;
};

// Value files on disc. A save replaces the file whole, so a failure leaves
// the previous value readable.
class DiskValueFiles final : public ValueFiles {
 public:
  FileWrite sve(const std::string& path, std::uint32_t value) override;
  FileRead readval(const std::string& path) override;
};

}  // namespace voltaro::health
