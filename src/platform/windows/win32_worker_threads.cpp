#include "platform/windows/win32_worker_threads.h"

#include <chrono>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {

std::int64_t Win32WorkerThreads::steadyNanoseconds() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool Win32WorkerThreads::raiseCurrentThreadPriority() {
  return SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST) != 0;
}

}  // namespace voltaro::platform::windows
