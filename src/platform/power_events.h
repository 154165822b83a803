// Suspend, standby and resume notifications of the system.
#pragma once

#include <functional>

namespace voltaro::platform {

enum class PowerEvent { Suspend, Standby, ResumeSuspend, ResumeStandby, ResumeCritical };

class PowerEvents {
 public:
  virtual ~PowerEvents() = default;
  // The handler runs on the program's thread, from the message pump.
  virtual void setHandler(std::function<void(PowerEvent)> handler) = 0;
};

}  // namespace voltaro::platform
