#include "platform/sim/sim_system_times.h"

namespace voltaro::platform::sim {

std::optional<SystemTimesSample> SimSystemTimes::sample() {
  ++reads_;
  if (!script_.empty()) {
    auto next = script_.front();
    script_.pop_front();
    if (next) last_ = *next;
    return next;
  }
  const std::uint64_t busy = unitsPerRead_ * busyPercent_ / 100;
  const std::uint64_t idle = unitsPerRead_ - busy;
  last_.idle += idle;
  last_.kernel += idle + busy;  // kernel time includes the idle time
  return last_;
}

void SimSystemTimes::setSteadyLoad(unsigned busyPercent, std::uint64_t unitsPerRead) {
  busyPercent_ = busyPercent > 100 ? 100 : busyPercent;
  unitsPerRead_ = unitsPerRead;
}

}  // namespace voltaro::platform::sim
