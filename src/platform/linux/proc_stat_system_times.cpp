#include "platform/linux/proc_stat_system_times.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace voltaro::platform {

namespace {

// Fields of the aggregate line after "cpu", in clock ticks. Kernels before
// 2.6.11 stop after softirq; missing later fields count as 0.
enum Field { User, Nice, System, Idle, IoWait, Irq, SoftIrq, Steal, kFieldCount };
constexpr int kMinimumFields = SoftIrq + 1;

std::optional<std::array<std::uint64_t, kFieldCount>> parseCpuLine(std::string_view line) {
  constexpr std::string_view kPrefix = "cpu ";
  if (line.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  line.remove_prefix(kPrefix.size());
  std::array<std::uint64_t, kFieldCount> fields{};
  int count = 0;
  while (count < kFieldCount) {
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    line.remove_prefix(start);
    const auto [stop, error] =
        std::from_chars(line.data(), line.data() + line.size(), fields[count]);
    if (error != std::errc()) return std::nullopt;
    line.remove_prefix(static_cast<std::size_t>(stop - line.data()));
    if (!line.empty() && line.front() != ' ') return std::nullopt;
    ++count;
  }
  if (count < kMinimumFields) return std::nullopt;
  return fields;
}

}  // namespace

ProcStatSystemTimes::ProcStatSystemTimes(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<SystemTimesSample> ProcStatSystemTimes::sample() {
  std::ifstream in(path_);
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  const auto f = parseCpuLine(line);
  if (!f) return std::nullopt;
  // guest and guest_nice are already inside user and nice.
  SystemTimesSample sample;
  sample.idle = (*f)[Idle] + (*f)[IoWait];
  sample.user = (*f)[User] + (*f)[Nice];
  sample.kernel = (*f)[System] + (*f)[Irq] + (*f)[SoftIrq] + (*f)[Steal] + sample.idle;
  return sample;
}

unsigned ProcStatSystemTimes::processorCount() {
  std::ifstream in(path_);
  std::string line;
  unsigned count = 0;
  while (std::getline(in, line)) {
    if (line.size() > 3 && line.compare(0, 3, "cpu") == 0 && line[3] >= '0' && line[3] <= '9') {
      ++count;
    }
  }
  if (count > 0) return count;
  const unsigned threads = std::thread::hardware_concurrency();
  return threads > 0 ? threads : 1;
}

}  // namespace voltaro::platform
