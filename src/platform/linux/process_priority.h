// The priority of the whole process on Linux. The nice value belongs to each
// thread, so setting the process's priority means setting it on every thread
// of /proc/self/task; threads started later inherit their creator's value.
#pragma once

#include <sys/resource.h>

namespace voltaro::platform {

// The nice value the kernel lets an unprivileged thread at `current` take
// when `wanted` was refused: it may always move up (lower priority), and down
// only as far as 20 - RLIMIT_NICE (`niceLimit`, the soft limit).
int allowedNice(int wanted, int current, rlim_t niceLimit);

// Sets `nice` on every thread of the process; a thread whose change is
// refused gets the nearest value it is allowed. True when every thread has
// `nice` now.
bool setProcessNice(int nice);

}  // namespace voltaro::platform
