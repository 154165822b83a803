// Little-endian binary and CR LF text files of the data folder.
#include "common/file_io.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "common/file_calls.h"

namespace voltaro {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempSuffix = ".tmp~";
constexpr std::size_t kReadChunk = 64 * 1024;

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string folderOf(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

bool isMissing(const std::error_code& error) {
  return error == std::errc::no_such_file_or_directory;
}

// Closes the handle on every path out of a helper.
class OpenFile {
 public:
  OpenFile(FileCalls& calls, int handle) : calls_(calls), handle_(handle) {}
  ~OpenFile() {
    if (handle_ >= 0) calls_.close(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int handle() const { return handle_; }
  // Closing can report a write the system had deferred.
  CallResult close() {
    const CallResult result = calls_.close(handle_);
    handle_ = -1;
    return result;
  }

 private:
  FileCalls& calls_;
  int handle_;
};

CallResult writeAll(FileCalls& calls, int handle, const char* data, std::size_t size) {
  while (size > 0) {
    const CallResult written = calls.write(handle, data, size);
    if (!written.ok()) return written;
    // No progress without an error: the disc takes no more.
    if (written.value <= 0) return {0, std::make_error_code(std::errc::no_space_on_device)};
    data += written.value;
    size -= static_cast<std::size_t>(written.value);
  }
  return {};
}

FileWrite failed(const std::error_code& error) {
  return FileWrite::failure(error.message());
}

FileWrite replaceWith(const std::string& path, const char* data, std::size_t size) {
  FileCalls& calls = fileCalls();
  const std::string temp = path + std::string(kTempSuffix);
  calls.remove(temp);  // a stale temp from an earlier crash may be in the way
  const CallResult opened = calls.openForWriting(temp, WriteMode::CreateNew);
  if (!opened.ok()) return failed(opened.error);
  CallResult step;
  {
    OpenFile file(calls, static_cast<int>(opened.value));
    step = writeAll(calls, file.handle(), data, size);
    if (step.ok()) step = calls.flush(file.handle());
    const CallResult closed = file.close();
    if (step.ok()) step = closed;
  }
  if (step.ok()) step = calls.rename(temp, path);
  if (!step.ok()) {
    calls.remove(temp);
    return failed(step.error);
  }
  // The content is in place; a folder that cannot be flushed only loses the
  // guarantee for a power cut in the next moments, so the save stands.
  calls.flushFolder(folderOf(path));
  return {};
}

// Whether the file's last byte is a line end; an empty file counts as ended.
bool endsWithLineEnd(FileCalls& calls, int handle, std::uint64_t size) {
  if (size == 0) return true;
  char last = 0;
  const CallResult read = calls.readAt(handle, size - 1, &last, 1);
  // An unreadable end is taken as unfinished: a blank line is the lesser harm.
  return read.ok() && read.value == 1 && last == '\n';
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

FileRead readFileHead(const std::string& path, std::size_t maxBytes) {
  FileCalls& calls = fileCalls();
  FileRead result;
  const CallResult opened = calls.openForReading(path);
  if (!opened.ok()) {
    if (isMissing(opened.error)) return result;
    result.state = ReadState::Unreadable;
    result.cause = opened.error.message();
    return result;
  }
  OpenFile file(calls, static_cast<int>(opened.value));
  FileFacts facts;
  const CallResult described = calls.describe(file.handle(), facts);
  result.state = ReadState::Unreadable;
  if (!described.ok()) {
    result.cause = described.error.message();
    return result;
  }
  if (!facts.regular) {
    result.cause = "it is not a regular file";
    return result;
  }
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(facts.size, maxBytes));
  result.bytes.reserve(wanted);
  std::vector<std::uint8_t> chunk(std::min(std::max<std::size_t>(wanted, 1), kReadChunk));
  while (result.bytes.size() < maxBytes) {
    const std::size_t ask = std::min(chunk.size(), maxBytes - result.bytes.size());
    const CallResult got = calls.read(file.handle(), chunk.data(), ask);
    if (!got.ok()) {
      result.cause = got.error.message();
      return result;
    }
    if (got.value == 0) break;
    result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.begin() + got.value);
  }
  result.state = ReadState::Read;
  return result;
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path) {
  FileRead read = readFileHead(path, kWholeFileLimit);
  if (!read.read()) return std::nullopt;
  return std::move(read.bytes);
}

FileWrite replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return replaceWith(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

FileWrite replaceFileAtomically(const std::string& path, std::string_view text) {
  return replaceWith(path, text.data(), text.size());
}

FileWrite writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return replaceFileAtomically(path, std::string_view(joinLines(lines)));
}

FileWrite appendTextLines(const std::string& path, const std::vector<std::string>& lines) {
  FileCalls& calls = fileCalls();
  const CallResult opened = calls.openForWriting(path, WriteMode::Append);
  if (!opened.ok()) return failed(opened.error);
  OpenFile file(calls, static_cast<int>(opened.value));
  FileFacts facts;
  const CallResult described = calls.describe(file.handle(), facts);
  if (!described.ok()) return failed(described.error);
  if (!facts.regular) return FileWrite::failure("it is not a regular file");

  std::string text = joinLines(lines);
  // A line left unfinished by a crash or a failed cut ends here instead of
  // swallowing the first new line.
  if (!endsWithLineEnd(calls, file.handle(), facts.size)) text.insert(0, "\r\n");
  CallResult step = writeAll(calls, file.handle(), text.data(), text.size());
  if (step.ok()) step = calls.flush(file.handle());
  if (!step.ok()) {
    // Whole lines or nothing: cut back to the size before this append.
    calls.truncate(file.handle(), facts.size);
    return failed(step.error);
  }
  const CallResult closed = file.close();
  if (!closed.ok()) return failed(closed.error);
  if (facts.size == 0) calls.flushFolder(folderOf(path));
  return {};
}

std::vector<std::string> splitTextLines(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> lines;
  std::string current;
  for (std::uint8_t b : bytes) {
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

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return splitTextLines(*bytes);
}

FileWrite moveFile(const std::string& from, const std::string& to) {
  FileCalls& calls = fileCalls();
  const CallResult moved = calls.rename(from, to);
  if (!moved.ok()) return failed(moved.error);
  calls.flushFolder(folderOf(to));
  return {};
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

bool removeFile(const std::string& path) {
  return fileCalls().remove(path).ok();
}

}  // namespace voltaro
