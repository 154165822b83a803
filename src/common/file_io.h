// Little-endian binary and CR LF text files, replaced atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// Appends little-endian fields one by one.
class ByteWriter {
 public:
  void u8(std::uint8_t v);
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void i32(std::int32_t v);
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads little-endian fields; a read past the end yields nullopt.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::optional<std::uint8_t> u8();
  std::optional<std::uint16_t> u16();
  std::optional<std::uint32_t> u32();
  std::optional<std::int32_t> i32();
  std::size_t remaining() const { return bytes_.size() - pos_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Whole file, or nullopt when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path);

// Writes a temporary file in the same folder, flushes it and renames it over
// `path`, so the old content stays whole when anything fails. False on failure.
bool replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
bool replaceFileAtomically(const std::string& path, std::string_view text);

// Text files with CR LF line ends: each line is written followed by "\r\n".
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines);
// Appends lines (CR LF) to a text file, creating it when missing.
bool appendTextLines(const std::string& path, const std::vector<std::string>& lines);
// Reads lines, accepting CR LF and LF; nullopt when the file cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);

}  // namespace voltaro
