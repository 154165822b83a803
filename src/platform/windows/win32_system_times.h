// Processor times of the whole system from GetSystemTimes, in 100-nanosecond
// units (kernel time includes idle time, as the readers expect), and the
// processor count from GetSystemInfo.
#pragma once

#include "platform/system_times.h"

namespace voltaro::platform::windows {

class Win32SystemTimes final : public SystemTimes {
 public:
  std::optional<SystemTimesSample> sample() override;
  // At least 1.
  unsigned processorCount() override;
};

}  // namespace voltaro::platform::windows
