#include "platform/windows/win32_power.h"

#include <string>

#include "platform/windows/win32_headers.h"
// After windows.h.
#include <powrprof.h>

namespace voltaro::platform::windows {
namespace {

// The reason recorded with a shut-down the user asked for.
constexpr DWORD kPlannedShutdown = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED;

unsigned char systemSetSuspendState(unsigned char hibernate, unsigned char force,
                                    unsigned char disableWakeEvents) {
  return SetSuspendState(hibernate, force, disableWakeEvents);
}

int systemExitWindows(unsigned flags, unsigned long reason) {
  return ExitWindowsEx(flags, reason);
}

std::string systemMessage(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message =
      length > 0 && text != nullptr ? std::string(text, length) : "Error " + std::to_string(error);
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n')) {
    message.pop_back();
  }
  return message;
}

DWORD priorityClass(ProcessPriority priority) {
  switch (priority) {
    case ProcessPriority::Idle:
      return IDLE_PRIORITY_CLASS;
    case ProcessPriority::Normal:
      return NORMAL_PRIORITY_CLASS;
    case ProcessPriority::High:
      return HIGH_PRIORITY_CLASS;
    case ProcessPriority::RealTime:
      return REALTIME_PRIORITY_CLASS;
  }
  return NORMAL_PRIORITY_CLASS;
}

}  // namespace

PowerCalls PowerCalls::system() {
  return {systemSetSuspendState, systemExitWindows};
}

std::string enableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return systemMessage(GetLastError());
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  std::string error;
  if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    error = systemMessage(GetLastError());
  } else if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) ||
             GetLastError() == ERROR_NOT_ALL_ASSIGNED) {
    // AdjustTokenPrivileges succeeds without granting a privilege the
    // account does not hold; only the last error tells.
    error = systemMessage(GetLastError());
  }
  CloseHandle(token);
  return error;
}

Win32Power::Win32Power() : calls_(PowerCalls::system()) {}

Win32Power::Win32Power(PowerCalls calls) : calls_(calls) {}

bool Win32Power::canSuspend() {
  return IsPwrSuspendAllowed() != FALSE;
}

bool Win32Power::canHibernate() {
  return IsPwrHibernateAllowed() != FALSE;
}

bool Win32Power::canShutdown() {
  return IsPwrShutdownAllowed() != FALSE;
}

bool Win32Power::suspend(bool force) {
  return calls_.setSuspendState(FALSE, force, FALSE) != 0;
}

bool Win32Power::hibernate(bool force) {
  return calls_.setSuspendState(TRUE, force, FALSE) != 0;
}

PowerRequestResult Win32Power::powerOff() {
  return exitWindows(EWX_POWEROFF | EWX_FORCE);
}

PowerRequestResult Win32Power::reboot() {
  return exitWindows(EWX_REBOOT | EWX_FORCE);
}

PowerRequestResult Win32Power::exitWindows(unsigned flags) {
  PowerRequestResult result;
  result.error = enableShutdownPrivilege();
  if (!result.error.empty()) return result;
  result.requested = calls_.exitWindows(flags, kPlannedShutdown) != 0;
  if (!result.requested) result.error = systemMessage(GetLastError());
  return result;
}

bool Win32Power::setProcessPriority(ProcessPriority priority) {
  return SetPriorityClass(GetCurrentProcess(), priorityClass(priority)) != 0;
}

void Win32Power::beep() {
  MessageBeep(MB_OK);
}

}  // namespace voltaro::platform::windows
