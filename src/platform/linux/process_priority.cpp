#include "platform/linux/process_priority.h"

#include <dirent.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace voltaro::platform {

namespace {

constexpr int kHighestNice = -20;
constexpr int kLowestNice = 19;
// RLIMIT_NICE counts from this: a limit of n allows nice values down to 20 - n.
constexpr int kNiceLimitBase = 20;

bool setThreadNice(id_t thread, int nice, rlim_t niceLimit) {
  if (setpriority(PRIO_PROCESS, thread, nice) == 0) return true;
  if (errno == ESRCH) return true;  // the thread has ended meanwhile
  errno = 0;
  const int current = getpriority(PRIO_PROCESS, thread);
  if (errno != 0) return false;
  const int allowed = allowedNice(nice, current, niceLimit);
  if (allowed != current) setpriority(PRIO_PROCESS, thread, allowed);
  return false;
}

}  // namespace

int allowedNice(int wanted, int current, rlim_t niceLimit) {
  const rlim_t limit = std::min<rlim_t>(niceLimit, kNiceLimitBase - kHighestNice);
  const int floor = kNiceLimitBase - static_cast<int>(limit);
  return std::clamp(std::max(wanted, std::min(current, floor)), kHighestNice, kLowestNice);
}

bool setProcessNice(int nice) {
  rlimit limit{};
  if (getrlimit(RLIMIT_NICE, &limit) != 0) limit.rlim_cur = 0;
  DIR* tasks = opendir("/proc/self/task");
  if (tasks == nullptr) return setThreadNice(0, nice, limit.rlim_cur);
  bool everyThread = true;
  while (const dirent* entry = readdir(tasks)) {
    if (entry->d_name[0] == '.') continue;
    const auto thread = static_cast<id_t>(std::strtoul(entry->d_name, nullptr, 10));
    if (!setThreadNice(thread, nice, limit.rlim_cur)) everyThread = false;
  }
  closedir(tasks);
  return everyThread;
}

}  // namespace voltaro::platform
