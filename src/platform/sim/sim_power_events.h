// Power notifications fired on command, for tests and simulations.
#pragma once

#include <functional>

#include "platform/power_events.h"

namespace voltaro::platform::sim {

class SimPowerEvents : public PowerEvents {
 public:
  void setHandler(std::function<void(PowerEvent)> handler) override {
    handler_ = std::move(handler);
  }
  // Delivers the event now, as the message pump would; nothing happens while
  // no handler is set.
  void fire(PowerEvent event) {
    ++fired_;
    if (handler_) handler_(event);
  }
  int firedCount() const { return fired_; }

 private:
  std::function<void(PowerEvent)> handler_;
  int fired_ = 0;
};

}  // namespace voltaro::platform::sim
