// The display on Linux: the backlight read from sysfs and written through a
// BacklightWriter (logind's Session.SetBrightness needs no root), the monitor
// switched off by the desktop's way (monitor_power.h), and no composition
// switch.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/display.h"
#include "platform/linux_services/sysfs_backlight.h"

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
  // one brightness, not one per power source. `turnMonitorOff` is the
  // desktop's way to switch the monitor off; empty when there is none.
  BacklightDisplay(std::string classFolder, BacklightWriter& writer,
                   std::function<bool()> turnMonitorOff, std::function<bool()> onAcPower);

  std::vector<std::uint8_t> openBrightness() override;
  std::optional<std::uint8_t> queryBrightness(BrightnessPolicy policy) override;
  bool setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) override;
  bool monitorOff() override;
  bool isCompositionOn() override { return false; }
  void setComposition(bool) override {}

 private:
  std::string classFolder_;
  BacklightWriter& writer_;
  std::function<bool()> turnMonitorOff_;
  std::function<bool()> onAcPower_;
  std::optional<BacklightDevice> device_;
};

}  // namespace voltaro::platform::linux_services
