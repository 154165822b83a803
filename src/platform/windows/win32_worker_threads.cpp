#include "platform/windows/win32_worker_threads.h"

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {

DayTime Win32WorkerThreads::now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  CivilDateTime civil;
  civil.year = local.wYear;
  civil.month = local.wMonth;
  civil.day = local.wDay;
  civil.hour = local.wHour;
  civil.minute = local.wMinute;
  civil.second = local.wSecond;
  civil.millisecond = local.wMilliseconds;
  return toDayTime(civil);
}

bool Win32WorkerThreads::raiseCurrentThreadPriority() {
  return SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST) != 0;
}

}  // namespace voltaro::platform::windows
