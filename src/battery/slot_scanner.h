// The slot table: the scan of the four battery slots, the choice of the
// current and primary slot after the start-up scan, and the captions that
// show the slot and battery counts.
#pragma once

#include "battery/battery_context.h"

namespace voltaro::battery {

class SlotScanner {
 public:
  explicit SlotScanner(BatteryContext& context) : c_(context) {}

  // Re-reads every slot of the device set: interface, path and tag; then the
  // counts and the captions. The caller holds the busy flag.
  void scanslots();
  // Builds the device set anew and scans, so that battery interfaces that
  // appeared or went since start-up are seen. The current and the primary
  // slot follow their device paths when the numbering shifts. The status
  // handle must be closed first.
  void rescanDevices();
  // After the start-up scan: when slot 1 has no battery but another slot
  // has, the lowest such slot becomes the current and the primary slot.
  void pickslot();
  // The battery caption, the no-battery tray hint and "Slots / Batteries".
  void slotbatafis();

 private:
  BatteryContext& c_;
};

}  // namespace voltaro::battery
