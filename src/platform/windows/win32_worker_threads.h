// Worker-thread services of Windows: the local clock from GetLocalTime and
// the raise of the calling thread to THREAD_PRIORITY_HIGHEST.
#pragma once

#include "platform/threads.h"

namespace voltaro::platform::windows {

class Win32WorkerThreads final : public WorkerThreads {
 public:
  DayTime now() const override;
  bool raiseCurrentThreadPriority() override;
};

}  // namespace voltaro::platform::windows
