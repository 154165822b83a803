// Batteries that come and go while the program runs: two-pack laptops and
// docks swap packs under a running system. While no battery is present the
// tick looks for one every second tick; when the battery shown leaves, the
// slots are scanned at once and another battery is shown, or none.
#include "battery/battery_access.h"
#include "battery/battery_state.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::monitor {

namespace {
constexpr float kSwitchedPercent = 111;  // suppresses the full-charge notice after a switch
}  // namespace

bool Monitor::followBatteries() {
  if (!c_.slots.deviceSetValid || c_.slots.batteryCount == 0) {
    if (counters_.two != 2) return true;
    lookForBatteries();
    return false;
  }
  const auto& shown = c_.slots.slot(c_.slots.currentSlot);
  // The interface went, or it answers without a battery. A device that only
  // failed to open may be held by another program: that waits for the next
  // fifth tick before it counts as gone.
  const bool gone =
      !shown.interfacePresent || shown.tag == 0 || (!shown.batteryPresent && counters_.five == 5);
  if (!gone) return true;
  currentBatteryLeft();
  return false;
}

void Monitor::rescanDevices() {
  cancelStatusRequest();
  c_.battery.rescanDevices();
  // The scan may have written the no-battery hint behind the cache's back.
  hint_.clear();
}

void Monitor::lookForBatteries() {
  rescanDevices();
  if (c_.slots.batteryCount == 0) return;
  c_.battery.pickslot();
  const int current = c_.slots.currentSlot;
  showBattery(c_.slots.slot(current).batteryPresent ? current : nextBatterySlot(), false);
}

void Monitor::currentBatteryLeft() {
  const int left = c_.slots.currentSlot;
  c_.hooks.batteryLeft(left);
  c_.live.forgetSlot(left);
  rescanDevices();
  if (c_.slots.batteryCount == 0) {
    showNoBattery();
    return;
  }
  const int current = c_.slots.currentSlot;  // the scan may have renumbered it
  const int next = c_.slots.slot(current).batteryPresent ? current : nextBatterySlot();
  showBattery(next, next != left);
}

void Monitor::showBattery(int slot, bool announce) {
  c_.battery.restartRequests();
  resetBatteryFigures("0");
  c_.slots.currentSlot = slot;
  // What was read of this slot before may be long out of date.
  c_.live.forgetSlot(slot);
  c_.live.previousPercent.fill(kSwitchedPercent);
  if (announce) {
    c_.statusLine.show("Battery " + std::to_string(slot) + " selected");
    c_.hooks.clearHistory();
    c_.hooks.redrawGraph();
  }
  resetCycle();
  refreshinfo();
}

void Monitor::showNoBattery() {
  resetCycle();
  resetBatteryFigures("None");
  drawGauge();
}

}  // namespace voltaro::monitor
