// What the alerts need from the other subsystems; the composition root
// implements it. The defaults do nothing.
#pragma once

namespace voltaro::alerts {

class AlertsHooks {
 public:
  virtual ~AlertsHooks() = default;
  // Brings the desktop gadget window to the foreground (the tray menu is not
  // opened).
  virtual void bringGadgetToFront() {}
  // Writes the settings file at once (a launch program was chosen).
  virtual void saveSettings() {}
};

}  // namespace voltaro::alerts
