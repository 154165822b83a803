// Processor times from a script, for tests and simulations.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/system_times.h"

namespace voltaro::platform::sim {

class SimSystemTimes : public SystemTimes {
 public:
  explicit SimSystemTimes(unsigned processors = 1) : processors_(processors) {}

  std::optional<SystemTimesSample> sample() override;
  unsigned processorCount() override { return processors_; }

  // Queues the next answers of sample(); nullopt is a failed read.
  void push(std::optional<SystemTimesSample> sample) { script_.push_back(sample); }
  // Once the script is used up, every read advances the cumulative times by
  // `unitsPerRead` of which `busyPercent` are busy (kernel busy, no user time),
  // so a simulation shows a steady load.
  void setSteadyLoad(unsigned busyPercent, std::uint64_t unitsPerRead);
  int readCount() const { return reads_; }

 private:
  unsigned processors_;
  std::deque<std::optional<SystemTimesSample>> script_;
  SystemTimesSample last_{};
  unsigned busyPercent_ = 0;
  std::uint64_t unitsPerRead_ = 0;  // 0: repeat the last sample
  int reads_ = 0;
};

}  // namespace voltaro::platform::sim
