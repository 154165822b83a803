// The request log shared by the simulated system services: each request is
// kept as one text ("setBrightness 3 40 40") and handed to an optional
// observer, so a test or a simulation can see the order across services.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace voltaro::platform::sim {

class SimRecorder {
 public:
  std::vector<std::string> calls;
  std::function<void(const std::string&)> observer;

 protected:
  void record(std::string call) {
    if (observer) observer(call);
    calls.push_back(std::move(call));
  }
};

}  // namespace voltaro::platform::sim
