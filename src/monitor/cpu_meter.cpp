#include "monitor/cpu_meter.h"

#include "common/rounding.h"
#include "view/shown_texts.h"

namespace voltaro::monitor {

CpuMeter::CpuMeter(platform::SystemTimes& times, view::ShownTexts& texts)
    : times_(times), texts_(texts) {}

std::string CpuMeter::caption(unsigned processors) {
  if (processors <= 1) return "CPU Usage";  // a system reporting 0 counts as one
  return std::to_string(processors) + "-core CPU Usage";
}

void CpuMeter::start() {
  // The load label's own caption text, next to its value "CPU Usage".
  texts_.set(view::Page::Caption, "CPU Usage", caption(times_.processorCount()));
  if (auto first = times_.sample()) previous_ = *first;
}

bool CpuMeter::sample() {
  const auto current = times_.sample();
  if (!current) return false;
  const double idle = static_cast<double>(current->idle) - static_cast<double>(previous_.idle);
  const double kernel =
      static_cast<double>(current->kernel) - static_cast<double>(previous_.kernel);
  const double user = static_cast<double>(current->user) - static_cast<double>(previous_.user);
  const double total = kernel + user;  // kernel time includes the idle time
  if (total == 0) return false;        // no time passed: keep the previous sample
  if (total < 0) {
    // Counters that went backwards (a processor taken offline, a reset
    // source) would keep every later delta negative: start again from here.
    previous_ = *current;
    return false;
  }
  const std::int64_t percent = truncateTowardZero((total - idle) * 100.0 / total);
  usage_ = static_cast<std::uint8_t>(percent > 100 ? 100 : (percent < 0 ? 0 : percent));
  texts_.set(view::Page::Calibrate, "CPU Usage", std::to_string(usage_));
  previous_ = *current;
  return true;
}

}  // namespace voltaro::monitor
