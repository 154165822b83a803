// Little-endian binary and CR LF text files, replaced atomically.
#include "common/file_io.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace voltaro {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempSuffix = ".tmp~";

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// Writes the whole buffer and closes the stream; false when any byte could
// not be written (full disc, vanished folder).
bool writeAll(const fs::path& path, const char* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(data, static_cast<std::streamsize>(size));
  out.flush();
  const bool ok = out.good();
  out.close();
  return ok && !out.fail();
}

bool replaceWith(const std::string& path, const char* data, std::size_t size) {
  const fs::path target(path);
  fs::path temp = target;
  temp += std::string(kTempSuffix);
  std::error_code ec;
  fs::remove(temp, ec);  // a stale temp from an earlier crash may be in the way
  if (!writeAll(temp, data, size)) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace

void ByteWriter::u8(std::uint8_t v) {
  bytes_.push_back(v);
}

void ByteWriter::u16(std::uint16_t v) {
  u8(static_cast<std::uint8_t>(v & 0xFF));
  u8(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
  u16(static_cast<std::uint16_t>(v & 0xFFFF));
  u16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::i32(std::int32_t v) {
  u32(static_cast<std::uint32_t>(v));
}

std::optional<std::uint8_t> ByteReader::u8() {
  if (remaining() < 1) return std::nullopt;
  return bytes_[pos_++];
}

std::optional<std::uint16_t> ByteReader::u16() {
  if (remaining() < 2) return std::nullopt;
  const std::uint16_t lo = bytes_[pos_];
  const std::uint16_t hi = bytes_[pos_ + 1];
  pos_ += 2;
  return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::optional<std::uint32_t> ByteReader::u32() {
  if (remaining() < 4) return std::nullopt;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 4;
  return v;
}

std::optional<std::int32_t> ByteReader::i32() {
  const auto v = u32();
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return replaceWith(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool replaceFileAtomically(const std::string& path, std::string_view text) {
  return replaceWith(path, text.data(), text.size());
}

bool writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return replaceFileAtomically(path, std::string_view(joinLines(lines)));
}

bool appendTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) return false;
  const std::string text = joinLines(lines);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  const bool ok = out.good();
  out.close();
  return ok && !out.fail();
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  std::string current;
  for (std::uint8_t b : *bytes) {
    if (b == '\n') {
      if (!current.empty() && current.back() == '\r') current.pop_back();
      lines.push_back(std::move(current));
      current.clear();
      continue;
    }
    current.push_back(static_cast<char>(b));
  }
  if (!current.empty()) {
    if (current.back() == '\r') current.pop_back();
    lines.push_back(std::move(current));
  }
  return lines;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

bool removeFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

}  // namespace voltaro
