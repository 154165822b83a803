#include "health/value_files.h"

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

FileWrite DiskValueFiles::sve(const std::string& path, std::uint32_t value) {
  return replaceFileAtomically(path, encodeValueFile(value));
}

FileRead DiskValueFiles::readval(const std::string& path) {
  return readFileHead(path, kValueFileBytes);
}

}  // namespace voltaro::health
