// Little-endian binary and CR LF text files of the data folder: bounded reads
// of regular files that tell a missing file from one that cannot be read,
// durable whole-file replacement, and appends of whole lines only.
#pragma once

#include <cstddef>
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

enum class ReadState {
  Read,        // the file's first bytes, up to the limit asked for
  Missing,     // no file of that name: a normal case with a default
  Unreadable,  // there is something, but it could not be read: keep it as it is
};

struct FileRead {
  ReadState state = ReadState::Missing;
  // Read: the bytes. Unreadable: those read before the failure, if any.
  std::vector<std::uint8_t> bytes;
  // Unreadable: why, in plain words ("Permission denied").
  std::string cause;

  bool read() const { return state == ReadState::Read; }
  bool missing() const { return state == ReadState::Missing; }
  bool unreadable() const { return state == ReadState::Unreadable; }
};

// The outcome of a save: `ok`, or why not in plain words. It converts to
// bool, so a caller that only needs success or failure can keep a bool.
struct FileWrite {
  bool ok = true;
  std::string cause;
  operator bool() const { return ok; }  // NOLINT(google-explicit-constructor)
  static FileWrite failure(std::string why) { return {false, std::move(why)}; }
};

// A read of any whole file stops here; records and logs are far smaller.
inline constexpr std::size_t kWholeFileLimit = std::size_t{64} << 20;

// At most `maxBytes` from the start of a regular file. Pipes, sockets,
// devices and folders are Unreadable, without waiting for a writer.
FileRead readFileHead(const std::string& path, std::size_t maxBytes);

// The whole file (up to kWholeFileLimit), or nullopt when it is missing or
// cannot be read.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path);

// Writes a temporary file in the same folder, flushes it to the disc, renames
// it over `path` and flushes the folder: after a crash or a power loss the
// file holds the old or the new content, whole.
FileWrite replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
FileWrite replaceFileAtomically(const std::string& path, std::string_view text);

// Text files with CR LF line ends: each line is written followed by "\r\n".
FileWrite writeTextLines(const std::string& path, const std::vector<std::string>& lines);
// Appends whole lines (CR LF) to a text file, creating it when missing, and
// flushes them. Lines that could not all be written are cut off again; a file
// whose last line has no line end gets one first, so entries never merge.
FileWrite appendTextLines(const std::string& path, const std::vector<std::string>& lines);
// Splits text at LF, dropping a CR before it; a last line without an end counts.
std::vector<std::string> splitTextLines(std::span<const std::uint8_t> bytes);
// Reads lines, accepting CR LF and LF; nullopt when the file is missing or
// cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// Renames `from` to `to`, replacing `to`, and flushes the folder.
FileWrite moveFile(const std::string& from, const std::string& to);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);

}  // namespace voltaro
