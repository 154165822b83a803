#include "platform/windows/win32_system_times.h"

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

std::uint64_t toUnits(const FILETIME& time) {
  return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

}  // namespace

std::optional<SystemTimesSample> Win32SystemTimes::sample() {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
  return SystemTimesSample{toUnits(idle), toUnits(kernel), toUnits(user)};
}

unsigned Win32SystemTimes::processorCount() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return info.dwNumberOfProcessors > 0 ? info.dwNumberOfProcessors : 1;
}

}  // namespace voltaro::platform::windows
