// Worker-thread services on Linux: the steady clock through std::chrono and
// the thread priority through setpriority on the thread's own id.
#pragma once

#include "platform/threads.h"

namespace voltaro::platform::linux_threads {

class PosixWorkerThreads final : public WorkerThreads {
 public:
  std::int64_t steadyNanoseconds() const override;
  bool raiseCurrentThreadPriority() override;
};

}  // namespace voltaro::platform::linux_threads
