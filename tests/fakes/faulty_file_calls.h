// A file layer that fails on purpose, put in place of the system's calls for
// the lifetime of a test: a read-only folder, a small disc that fills up (a
// writer that stops after N bytes), files that cannot be read. Every other
// call goes to the system, so the files a test looks at are real.
#pragma once

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "common/file_calls.h"

namespace voltaro::fakes {

class FaultyFileCalls : public SystemFileCalls {
 public:
  FaultyFileCalls() : installed_(*this) {}

  // Every change under `folder` (new files, appends, renames, removals)
  // fails as on a read-only file system, until makeWritable.
  void makeReadOnly(const std::string& folder) { readOnly_.insert(folder); }
  void makeWritable(const std::string& folder) { readOnly_.erase(folder); }
  // Opening `path` for reading fails with "Permission denied".
  void makeUnreadable(const std::string& path) { unreadable_.insert(path); }
  void makeReadable(const std::string& path) { unreadable_.erase(path); }
  // The disc takes `bytes` more bytes in all: the write that reaches the
  // limit writes what fits, later ones fail with "No space left on device".
  void limitSpace(std::size_t bytes) { space_ = bytes; }
  void unlimitSpace() { space_.reset(); }

  std::size_t bytesRead = 0;  // by every read call so far
  int failedCalls = 0;

  CallResult openForReading(const std::string& path) override {
    if (unreadable_.contains(path)) return fail(EACCES);
    return SystemFileCalls::openForReading(path);
  }
  CallResult openForWriting(const std::string& path, WriteMode mode) override {
    if (readOnlyPath(path)) return fail(EROFS);
    CallResult opened = SystemFileCalls::openForWriting(path, mode);
    if (opened.ok()) paths_[static_cast<int>(opened.value)] = path;
    return opened;
  }
  CallResult read(int handle, void* into, std::size_t size) override {
    CallResult got = SystemFileCalls::read(handle, into, size);
    if (got.ok()) bytesRead += static_cast<std::size_t>(got.value);
    return got;
  }
  CallResult write(int handle, const void* bytes, std::size_t size) override {
    if (readOnlyPath(pathOf(handle))) return fail(EROFS);
    if (space_) {
      if (*space_ == 0) return fail(ENOSPC);
      size = std::min(size, *space_);
    }
    CallResult written = SystemFileCalls::write(handle, bytes, size);
    if (written.ok() && space_) *space_ -= static_cast<std::size_t>(written.value);
    return written;
  }
  CallResult truncate(int handle, std::uint64_t size) override {
    if (readOnlyPath(pathOf(handle))) return fail(EROFS);
    return SystemFileCalls::truncate(handle, size);
  }
  CallResult close(int handle) override {
    paths_.erase(handle);
    return SystemFileCalls::close(handle);
  }
  CallResult rename(const std::string& from, const std::string& to) override {
    if (readOnlyPath(from) || readOnlyPath(to)) return fail(EROFS);
    return SystemFileCalls::rename(from, to);
  }
  CallResult remove(const std::string& path) override {
    if (readOnlyPath(path)) return fail(EROFS);
    return SystemFileCalls::remove(path);
  }

 private:
  CallResult fail(int error) {
    ++failedCalls;
    return CallResult{0, std::error_code(error, std::generic_category())};
  }
  std::string pathOf(int handle) const {
    const auto it = paths_.find(handle);
    return it == paths_.end() ? std::string() : it->second;
  }
  bool readOnlyPath(const std::string& path) const {
    for (const std::string& folder : readOnly_) {
      if (!path.empty() && path.starts_with(folder)) return true;
    }
    return false;
  }

  FileCallsForTesting installed_;
  std::set<std::string> readOnly_;
  std::set<std::string> unreadable_;
  std::optional<std::size_t> space_;
  std::map<int, std::string> paths_;  // handles open for writing
};

}  // namespace voltaro::fakes
