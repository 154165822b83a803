// The display on Linux: the backlight read from sysfs and written through a
// BacklightWriter (logind's Session.SetBrightness needs no root), the monitor
// switched off with DPMS, and no composition switch.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/display.h"
#include "platform/linux_services/sysfs_backlight.h"
#include "platform/shell.h"

namespace voltaro::platform::linux_services {

class BacklightWriter {
 public:
  virtual ~BacklightWriter() = default;
  // Sets the raw brightness of the named backlight device; false on failure.
  virtual bool setBacklight(const std::string& name, std::uint32_t raw) = 0;
};

class BacklightDisplay : public Display {
 public:
  // `onAcPower` tells which of an AC and a DC level applies now: Linux keeps
  // one brightness, not one per power source.
  BacklightDisplay(std::string classFolder, BacklightWriter& writer, Shell& shell,
                   std::function<bool()> onAcPower);

  std::vector<std::uint8_t> openBrightness() override;
  std::optional<std::uint8_t> queryBrightness(BrightnessPolicy policy) override;
  bool setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) override;
  void monitorOff() override;
  bool isCompositionOn() override { return false; }
  void setComposition(bool) override {}

 private:
  std::string classFolder_;
  BacklightWriter& writer_;
  Shell& shell_;
  std::function<bool()> onAcPower_;
  std::optional<BacklightDevice> device_;
};

}  // namespace voltaro::platform::linux_services
