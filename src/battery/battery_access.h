// The battery access subsystem as the rest of the program uses it: the slot
// scan and choice, the information read (config0), the status read
// (readstatus) and the control of the request cycle. The monitoring tick
// holds the busy flag around every call.
#pragma once

#include <string>

#include "battery/battery_context.h"
#include "battery/information_reader.h"
#include "battery/request_cycle.h"
#include "battery/slot_scanner.h"
#include "battery/status_reader.h"

namespace voltaro::battery {

class BatteryAccess {
 public:
  explicit BatteryAccess(const BatteryContext& context);
  BatteryAccess(const BatteryAccess&) = delete;
  BatteryAccess& operator=(const BatteryAccess&) = delete;

  // Creates the device set once at start-up; false when it cannot be made.
  bool createDeviceSet();
  // Shutdown: closes the status handle and the device set.
  void shutdown();

  void scanslots() { scanner_.scanslots(); }
  // The device set built anew, then a scan (battery hot-plug).
  void rescanDevices() { scanner_.rescanDevices(); }
  void pickslot() { scanner_.pickslot(); }
  void slotbatafis() { scanner_.slotbatafis(); }
  void config0(bool full) { information_.config0(full); }
  void readstatus() { status_.readstatus(); }

  // Each request done or abandoned: the cycle is over.
  bool bothRequestsFinished() const { return context_.requests.bothFinished(); }
  bool bothRequestsAbandoned() const { return context_.requests.bothAbandoned(); }
  // Both requests back to the start of a cycle (the handle is not closed).
  void restartRequests() { cycle_.restart(); }
  // CancelIo on an open status handle; the caller then pauses 100 ms.
  void cancelStatusRequest();
  void closeStatusHandle() { status_.closeStatusHandle(); }

  const SlotTable& slots() const { return context_.slots; }
  SlotTable& slots() { return context_.slots; }
  const BatteryRequests& requests() const { return context_.requests; }
  const BatteryInfo& info() const { return context_.info; }
  const LiveStatus& live() const { return context_.live; }
  const std::string& batteryKey() const { return context_.info.batteryKey; }

 private:
  BatteryContext context_;
  RequestCycle cycle_;
  SlotScanner scanner_;
  InformationReader information_;
  StatusReader status_;
};

}  // namespace voltaro::battery
