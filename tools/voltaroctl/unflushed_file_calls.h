// The file calls of a run on virtual time: the calls in place, less the
// waits for the disc. Such a run writes months of files in seconds, and a
// wait after each health file or journal line would make it last as long as
// the disc takes; the files are still replaced whole and appended whole
// lines at a time, so an interrupted run leaves no torn file either.
#pragma once

#include <string>

#include "common/file_calls.h"

namespace voltaro::tools {

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
  FileCallsForTesting inPlace_;
};

}  // namespace voltaro::tools
