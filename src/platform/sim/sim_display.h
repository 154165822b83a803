// A simulated display: a scripted list of brightness levels, an AC and a DC
// brightness kept in memory, a composition switch, and failures on request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/sim/sim_recorder.h"

namespace voltaro::platform::sim {

class SimDisplay : public Display, public SimRecorder {
 public:
  std::vector<std::uint8_t> openBrightness() override {
    record("openBrightness");
    return supportedLevels;
  }

  std::optional<std::uint8_t> queryBrightness(BrightnessPolicy policy) override {
    record("queryBrightness " + std::to_string(static_cast<int>(policy)));
    if (policy == BrightnessPolicy::Ac) {
      if (failAcQuery) return std::nullopt;
      return acLevel;
    }
    if (failDcQuery) return std::nullopt;
    return dcLevel;
  }

  bool setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) override {
    record("setBrightness " + std::to_string(static_cast<int>(policy)) + " " + std::to_string(ac) +
           " " + std::to_string(dc));
    if (failSet) return false;
    if (policy != BrightnessPolicy::Dc) acLevel = ac;
    if (policy != BrightnessPolicy::Ac) dcLevel = dc;
    return true;
  }

  bool monitorOff() override {
    record("monitorOff");
    if (!monitorOffWorks) return false;
    monitorIsOff = true;
    return true;
  }

  bool isCompositionOn() override { return compositionOn; }
  void setComposition(bool on) override {
    record(std::string("setComposition ") + (on ? "on" : "off"));
    compositionOn = on;
  }

  std::vector<std::uint8_t> supportedLevels;  // percent, in the device's order
  std::uint8_t acLevel = 0;                   // percent
  std::uint8_t dcLevel = 0;                   // percent
  bool compositionOn = false;
  bool monitorIsOff = false;
  bool monitorOffWorks = true;
  bool failAcQuery = false;
  bool failDcQuery = false;
  bool failSet = false;
};

}  // namespace voltaro::platform::sim
