// Worker-thread services on Linux: the wall clock through std::chrono and
// the thread priority through setpriority on the thread's own id.
#pragma once

#include "platform/threads.h"

namespace voltaro::platform::linux_threads {

class PosixWorkerThreads final : public WorkerThreads {
 public:
  DayTime now() const override;
  bool raiseCurrentThreadPriority() override;
};

}  // namespace voltaro::platform::linux_threads
