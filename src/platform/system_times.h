// Processor times of the whole system (GetSystemTimes) and the processor count.
#pragma once

#include <cstdint>
#include <optional>

namespace voltaro::platform {

// Times in 100-nanosecond units or clock ticks: only differences are used.
// Kernel time includes idle time, so busy = kernel + user - idle.
struct SystemTimesSample {
  std::uint64_t idle = 0;
  std::uint64_t kernel = 0;
  std::uint64_t user = 0;
  bool operator==(const SystemTimesSample&) const = default;
};

class SystemTimes {
 public:
  virtual ~SystemTimes() = default;
  virtual std::optional<SystemTimesSample> sample() = 0;
  virtual unsigned processorCount() = 0;
};

}  // namespace voltaro::platform
