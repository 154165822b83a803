// What the alerts need from the other subsystems; the composition root
// implements it. The defaults do nothing.
#pragma once

#include <cstdint>

namespace voltaro::alerts {

enum class AlertKind : std::uint8_t { Warning, Critical };

class AlertsHooks {
 public:
  virtual ~AlertsHooks() = default;
  // An alert fires: called once it is marked fired, before its actions.
  virtual void alertFired(AlertKind /*kind*/) {}
  // Brings the desktop gadget window to the foreground (the tray menu is not
  // opened).
  virtual void bringGadgetToFront() {}
  // Writes the settings file at once (a launch program was chosen).
  virtual void saveSettings() {}
};

}  // namespace voltaro::alerts
