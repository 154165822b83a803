// Keeping the computer from sleeping on its own (idle suspend, a lid or a
// sleep request) while the program needs it awake.
//
// Backends: LogindSleepInhibitor (linux_services/, a logind "block"
// inhibitor lock held through its file descriptor).
#pragma once

#include <string>

namespace voltaro::platform {

class SleepInhibitor {
 public:
  virtual ~SleepInhibitor() = default;
  // Whether the system's power manager is there to be asked.
  virtual bool available() = 0;
  // Takes the lock, naming `why` to the user's desktop; true when it is
  // held, also when it already was.
  virtual bool hold(const std::string& why) = 0;
  // Lets the computer sleep again; nothing when no lock is held.
  virtual void release() = 0;
  virtual bool held() const = 0;
};

}  // namespace voltaro::platform
