// The processor-usage meter of the Calibrate page and the gadget: the load
// between two samples of the system's cumulative idle, kernel and user times.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system_times.h"

namespace voltaro::view {
class ShownTexts;
}

namespace voltaro::monitor {

class CpuMeter {
 public:
  CpuMeter(platform::SystemTimes& times, view::ShownTexts& texts);

  // Sets the caption of the load label and takes the first sample; after a
  // failed read the first measured value is the average since the times began.
  void start();
  // Measures the load since the previous successful sample and shows it as
  // the Calibrate page's "CPU Usage". A failed read, or no processor time
  // passed, changes nothing. Returns true when a value was measured.
  bool sample();
  std::uint8_t usage() const { return usage_; }  // whole percent, 0..100

  // "CPU Usage" for one processor, else "4-core CPU Usage".
  static std::string caption(unsigned processors);

 private:
  platform::SystemTimes& times_;
  view::ShownTexts& texts_;
  platform::SystemTimesSample previous_{};
  std::uint8_t usage_ = 0;
};

}  // namespace voltaro::monitor
