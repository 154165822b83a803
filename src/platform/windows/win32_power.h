// Power services of Windows: standby and hibernation (SetSuspendState with
// the IsPwr*Allowed questions, powrprof), forced power-off and restart
// (ExitWindowsEx after enabling the shut-down privilege), the process
// priority class and the short beep.
//
// The calls that end the session or suspend the machine are reached through
// a table of function pointers, so tests replace them; nothing else is.
#pragma once

#include <cstdint>

#include "platform/power.h"

namespace voltaro::platform::windows {

struct PowerCalls {
  // SetSuspendState(hibernate, force, wakeupEventsDisabled)
  unsigned char (*setSuspendState)(unsigned char hibernate, unsigned char force,
                                   unsigned char disableWakeEvents);
  // ExitWindowsEx(flags, reason)
  int (*exitWindows)(unsigned flags, unsigned long reason);

  static PowerCalls system();
};

class Win32Power final : public Power {
 public:
  Win32Power();
  explicit Win32Power(PowerCalls calls);

  bool canSuspend() override;
  bool canHibernate() override;
  bool canShutdown() override;
  bool suspend(bool force) override;
  bool hibernate(bool force) override;
  PowerRequestResult powerOff() override;
  PowerRequestResult reboot() override;
  bool setProcessPriority(ProcessPriority priority) override;
  void beep() override;

 private:
  PowerRequestResult exitWindows(unsigned flags);

  PowerCalls calls_;
};

// Enables SE_SHUTDOWN_NAME in the process token. Empty on success, else the
// system's message for the failure.
std::string enableShutdownPrivilege();

}  // namespace voltaro::platform::windows
