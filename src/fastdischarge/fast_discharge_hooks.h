// What the fast discharge needs from the main window: redrawing a skinned
// control after the setting it shows has changed. The composition root
// implements it; the default does nothing.
#pragma once

namespace voltaro::fastdischarge {

class FastDischargeHooks {
 public:
  virtual ~FastDischargeHooks() = default;
  // Redraws the skinned control with this number (1..90).
  virtual void redrawControl(int /*number*/) {}
};

}  // namespace voltaro::fastdischarge
