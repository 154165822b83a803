// Worker-thread services of Windows: the steady clock (the performance
// counter underneath std::chrono::steady_clock) and the raise of the calling
// thread to THREAD_PRIORITY_HIGHEST.
#pragma once

#include "platform/threads.h"

namespace voltaro::platform::windows {

class Win32WorkerThreads final : public WorkerThreads {
 public:
  std::int64_t steadyNanoseconds() const override;
  bool raiseCurrentThreadPriority() override;
};

}  // namespace voltaro::platform::windows
