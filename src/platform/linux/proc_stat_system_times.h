// Processor times of the whole system from the first line of /proc/stat, in
// clock ticks, shaped like the Windows figures: kernel time includes idle.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/system_times.h"

namespace voltaro::platform {

class ProcStatSystemTimes : public SystemTimes {
 public:
  static constexpr const char* kDefaultPath = "/proc/stat";

  explicit ProcStatSystemTimes(std::filesystem::path path = kDefaultPath);

  // nullopt when the file cannot be read or its "cpu" line is malformed.
  std::optional<SystemTimesSample> sample() override;
  // The "cpuN" lines of the same file; at least 1.
  unsigned processorCount() override;

 private:
  std::filesystem::path path_;
};

}  // namespace voltaro::platform
