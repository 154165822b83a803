// The operating system's file calls under the helpers of file_io.h.
//
// The helpers reach them only through fileCalls(), so that a test can put an
// object in their place that fails chosen calls (a full disc, a read-only
// folder, a file that cannot be read, a writer that stops after N bytes) and
// drive every error path of every save and load of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace voltaro {

// A call's result: a handle or a byte count in `value`, or the system's error.
struct CallResult {
  std::int64_t value = 0;
  std::error_code error;
  bool ok() const { return !error; }
};

struct FileFacts {
  bool regular = false;    // a plain file, not a folder, pipe, socket or device
  std::uint64_t size = 0;  // bytes
};

enum class WriteMode {
  CreateNew,  // a new file; fails when the name is taken
  Append,     // readable and writable, every write at the end; created when missing
};

class FileCalls {
 public:
  virtual ~FileCalls() = default;
  // Never waits for a writer (a pipe opens at once) and never becomes the
  // controlling terminal. `value` is the handle.
  virtual CallResult openForReading(const std::string& path) = 0;
  virtual CallResult openForWriting(const std::string& path, WriteMode mode) = 0;
  virtual CallResult describe(int handle, FileFacts& facts) = 0;
  // `value` is the number of bytes read (0 at the end) or written.
  virtual CallResult read(int handle, void* into, std::size_t size) = 0;
  virtual CallResult readAt(int handle, std::uint64_t offset, void* into, std::size_t size) = 0;
  virtual CallResult write(int handle, const void* bytes, std::size_t size) = 0;
  virtual CallResult truncate(int handle, std::uint64_t size) = 0;
  // Returns once the file's bytes are on the disc.
  virtual CallResult flush(int handle) = 0;
  virtual CallResult close(int handle) = 0;
  // Replaces `to` when it exists.
  virtual CallResult rename(const std::string& from, const std::string& to) = 0;
  virtual CallResult remove(const std::string& path) = 0;
  // Makes a rename or a new name in `folder` survive a power loss. Systems
  // without such a call succeed.
  virtual CallResult flushFolder(const std::string& folder) = 0;
};

// The calls of the running system.
class SystemFileCalls : public FileCalls {
 public:
  CallResult openForReading(const std::string& path) override;
  CallResult openForWriting(const std::string& path, WriteMode mode) override;
  CallResult describe(int handle, FileFacts& facts) override;
  CallResult read(int handle, void* into, std::size_t size) override;
  CallResult readAt(int handle, std::uint64_t offset, void* into, std::size_t size) override;
  CallResult write(int handle, const void* bytes, std::size_t size) override;
  CallResult truncate(int handle, std::uint64_t size) override;
  CallResult flush(int handle) override;
  CallResult close(int handle) override;
  CallResult rename(const std::string& from, const std::string& to) override;
  CallResult remove(const std::string& path) override;
  CallResult flushFolder(const std::string& folder) override;
};

// The calls in use: the system's, or a replacement.
FileCalls& fileCalls();

// Puts `replacement` in place of the system's calls for its lifetime.
class FileCallsForTesting {
 public:
  explicit FileCallsForTesting(FileCalls& replacement);
  ~FileCallsForTesting();
  FileCallsForTesting(const FileCallsForTesting&) = delete;
  FileCallsForTesting& operator=(const FileCallsForTesting&) = delete;

 private:
  FileCalls* previous_;
};

// Puts other calls in place of the system's for its lifetime outside tests.
using FileCallsInPlace = FileCallsForTesting;

// The calls in place when this is made, less the waits for the disc, put in
// their place for its lifetime. For a data folder that goes when the run
// ends (the read-only voltaroctl commands), and for a run on virtual time
// that writes months of files in seconds, where a wait after each health
// file or journal line would make it last as long as the disc takes. Files
// are still replaced whole and appended whole lines at a time, so an
// interrupted run leaves no torn file either.
class UnflushedFileCalls final : public FileCalls {
 public:
  UnflushedFileCalls() : calls_(fileCalls()), inPlace_(*this) {}

  CallResult openForReading(const std::string& path) override {
    return calls_.openForReading(path);
  }
  CallResult openForWriting(const std::string& path, WriteMode mode) override {
    return calls_.openForWriting(path, mode);
  }
  CallResult describe(int handle, FileFacts& facts) override {
    return calls_.describe(handle, facts);
  }
  CallResult read(int handle, void* into, std::size_t size) override {
    return calls_.read(handle, into, size);
  }
  CallResult readAt(int handle, std::uint64_t offset, void* into, std::size_t size) override {
    return calls_.readAt(handle, offset, into, size);
  }
  CallResult write(int handle, const void* bytes, std::size_t size) override {
    return calls_.write(handle, bytes, size);
  }
  CallResult truncate(int handle, std::uint64_t size) override {
    return calls_.truncate(handle, size);
  }
  CallResult flush(int /*handle*/) override { return {}; }
  CallResult close(int handle) override { return calls_.close(handle); }
  CallResult rename(const std::string& from, const std::string& to) override {
    return calls_.rename(from, to);
  }
  CallResult remove(const std::string& path) override { return calls_.remove(path); }
  CallResult flushFolder(const std::string& /*folder*/) override { return {}; }

 private:
  FileCalls& calls_;
  FileCallsInPlace inPlace_;
};

}  // namespace voltaro
