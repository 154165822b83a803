// The display: backlight brightness, monitor power and desktop composition.
//
// Backends: BacklightDisplay (linux/, sysfs backlight read, logind
// SetBrightness write), SimDisplay (sim/, scripted levels, records requests).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace voltaro::platform {

// Which brightness a request reads or sets (the DISPLAY_BRIGHTNESS policy).
enum class BrightnessPolicy : std::uint8_t {
  Ac = 1,    // on external power
  Dc = 2,    // on battery
  Both = 3,  // AC and DC at once
};

class Display {
 public:
  virtual ~Display() = default;

  // Opens the brightness device anew (dropping a previous one) and returns the
  // brightness levels it supports, in percent and in the device's own order,
  // at most 256 of them. Empty when there is no device or it cannot be opened.
  virtual std::vector<std::uint8_t> openBrightness() = 0;

  // The current brightness in percent for the AC or the DC policy; nullopt
  // when the request fails or no device is open.
  virtual std::optional<std::uint8_t> queryBrightness(BrightnessPolicy policy) = 0;

  // Sets the AC and DC brightness in percent as `policy` selects; false when
  // the request fails.
  virtual bool setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) = 0;

  // Turns the monitor off (SC_MONITORPOWER 2, DPMS off). False when the
  // system offers no way to or the request failed.
  virtual bool monitorOff() = 0;

  // Desktop composition; off when the system has none or the query fails.
  virtual bool isCompositionOn() = 0;
  // Does nothing when the system has no composition switch.
  virtual void setComposition(bool on) = 0;
};

}  // namespace voltaro::platform
