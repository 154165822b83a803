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

// The system's calls for a data folder that goes when the run ends (the
// read-only voltaroctl commands): nothing in it has to survive a power loss,
// so the flushes return at once instead of waiting for the disc.
class ThrowawayFileCalls final : public SystemFileCalls {
 public:
  CallResult flush(int) override { return {}; }
  CallResult flushFolder(const std::string&) override { return {}; }
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

}  // namespace voltaro
