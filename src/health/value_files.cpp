#include "health/value_files.h"

#include "common/file_io.h"

namespace voltaro::health {

std::vector<std::uint8_t> encodeValueFile(std::uint32_t value) {
  ByteWriter writer;
  writer.u32(value);
  return writer.bytes();
}

std::optional<std::uint32_t> decodeValueFile(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  return reader.u32();
}

bool DiskValueFiles::exists(const std::string& path) {
  return fileExists(path);
}

bool DiskValueFiles::sve(const std::string& path, std::uint32_t value) {
  return replaceFileAtomically(path, encodeValueFile(value));
}

std::optional<std::uint32_t> DiskValueFiles::readval(const std::string& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return decodeValueFile(*bytes);
}

}  // namespace voltaro::health
