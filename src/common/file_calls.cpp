// The operating system's file calls: POSIX descriptors, or the C runtime's
// descriptor calls on Windows.
#include "common/file_calls.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace voltaro {

namespace {

CallResult failure(int error) {
  return CallResult{0, std::error_code(error, std::generic_category())};
}

CallResult success(std::int64_t value = 0) {
  return CallResult{value, {}};
}

// Result of a call that returns -1 and sets errno on failure.
CallResult fromReturn(std::int64_t value) {
  return value < 0 ? failure(errno) : success(value);
}

FileCalls* replacementCalls = nullptr;

}  // namespace

#ifdef _WIN32

namespace {
unsigned chunk(std::size_t size) {
  return static_cast<unsigned>(size > INT_MAX ? INT_MAX : size);
}
}  // namespace

CallResult SystemFileCalls::openForReading(const std::string& path) {
  int handle = -1;
  const errno_t error =
      _sopen_s(&handle, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0);
  return error != 0 ? failure(error) : success(handle);
}

CallResult SystemFileCalls::openForWriting(const std::string& path, WriteMode mode) {
  int flags = _O_BINARY | _O_NOINHERIT | _O_CREAT;
  flags |= mode == WriteMode::CreateNew ? (_O_WRONLY | _O_EXCL) : (_O_RDWR | _O_APPEND);
  int handle = -1;
  const errno_t error = _sopen_s(&handle, path.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE);
  return error != 0 ? failure(error) : success(handle);
}

CallResult SystemFileCalls::describe(int handle, FileFacts& facts) {
  struct _stat64 status {};
  if (_fstat64(handle, &status) != 0) return failure(errno);
  facts.regular = (status.st_mode & _S_IFMT) == _S_IFREG;
  facts.size = static_cast<std::uint64_t>(status.st_size);
  return success();
}

CallResult SystemFileCalls::read(int handle, void* into, std::size_t size) {
  return fromReturn(_read(handle, into, chunk(size)));
}

CallResult SystemFileCalls::readAt(int handle, std::uint64_t offset, void* into, std::size_t size) {
  if (_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0) return failure(errno);
  return read(handle, into, size);
}

CallResult SystemFileCalls::write(int handle, const void* bytes, std::size_t size) {
  return fromReturn(_write(handle, bytes, chunk(size)));
}

CallResult SystemFileCalls::truncate(int handle, std::uint64_t size) {
  const errno_t error = _chsize_s(handle, static_cast<__int64>(size));
  return error != 0 ? failure(error) : success();
}

CallResult SystemFileCalls::flush(int handle) {
  return fromReturn(_commit(handle));
}

CallResult SystemFileCalls::close(int handle) {
  return fromReturn(_close(handle));
}

CallResult SystemFileCalls::rename(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);  // replaces `to`, as on POSIX
  return CallResult{0, error};
}

CallResult SystemFileCalls::remove(const std::string& path) {
  return fromReturn(_unlink(path.c_str()));
}

CallResult SystemFileCalls::flushFolder(const std::string& /*folder*/) {
  // The file system keeps its folder entries itself; there is no call for it.
  return success();
}

#else

CallResult SystemFileCalls::openForReading(const std::string& path) {
  for (;;) {
    const int handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle >= 0 || errno != EINTR) return fromReturn(handle);
  }
}

CallResult SystemFileCalls::openForWriting(const std::string& path, WriteMode mode) {
  int flags = O_CREAT | O_NOCTTY | O_CLOEXEC;
  // A pipe in the way of a log must not hold the tick: open it at once and
  // let the regular-file check refuse it.
  flags |= mode == WriteMode::CreateNew ? (O_WRONLY | O_EXCL) : (O_RDWR | O_APPEND | O_NONBLOCK);
  for (;;) {
    const int handle = ::open(path.c_str(), flags, 0666);
    if (handle >= 0 || errno != EINTR) return fromReturn(handle);
  }
}

CallResult SystemFileCalls::describe(int handle, FileFacts& facts) {
  struct stat status {};
  if (::fstat(handle, &status) != 0) return failure(errno);
  facts.regular = S_ISREG(status.st_mode);
  facts.size = static_cast<std::uint64_t>(status.st_size);
  return success();
}

CallResult SystemFileCalls::read(int handle, void* into, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(handle, into, size);
    if (count >= 0 || errno != EINTR) return fromReturn(count);
  }
}

CallResult SystemFileCalls::readAt(int handle, std::uint64_t offset, void* into, std::size_t size) {
  for (;;) {
    const ssize_t count = ::pread(handle, into, size, static_cast<off_t>(offset));
    if (count >= 0 || errno != EINTR) return fromReturn(count);
  }
}

CallResult SystemFileCalls::write(int handle, const void* bytes, std::size_t size) {
  for (;;) {
    const ssize_t count = ::write(handle, bytes, size);
    if (count >= 0 || errno != EINTR) return fromReturn(count);
  }
}

CallResult SystemFileCalls::truncate(int handle, std::uint64_t size) {
  return fromReturn(::ftruncate(handle, static_cast<off_t>(size)));
}

CallResult SystemFileCalls::flush(int handle) {
  for (;;) {
    const int result = ::fsync(handle);
    if (result == 0 || errno != EINTR) return fromReturn(result);
  }
}

CallResult SystemFileCalls::close(int handle) {
  // Not retried: on Linux the descriptor is gone even when close reports EINTR.
  return fromReturn(::close(handle));
}

CallResult SystemFileCalls::rename(const std::string& from, const std::string& to) {
  return fromReturn(::rename(from.c_str(), to.c_str()));
}

CallResult SystemFileCalls::remove(const std::string& path) {
  return fromReturn(::unlink(path.c_str()));
}

CallResult SystemFileCalls::flushFolder(const std::string& folder) {
  const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return failure(errno);
  const CallResult flushed = fromReturn(::fsync(handle));
  ::close(handle);
  return flushed;
}

#endif

FileCalls& fileCalls() {
  static SystemFileCalls system;
  return replacementCalls != nullptr ? *replacementCalls : system;
}

FileCallsForTesting::FileCallsForTesting(FileCalls& replacement) : previous_(replacementCalls) {
  replacementCalls = &replacement;
}

FileCallsForTesting::~FileCallsForTesting() {
  replacementCalls = previous_;
}

}  // namespace voltaro
