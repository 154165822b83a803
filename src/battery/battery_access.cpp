#include "battery/battery_access.h"

namespace voltaro::battery {

BatteryAccess::BatteryAccess(const BatteryContext& context)
    : context_(context),
      cycle_(context_.driver, context_.requests),
      scanner_(context_),
      information_(context_),
      status_(context_, cycle_) {}

bool BatteryAccess::createDeviceSet() {
  context_.slots.deviceSetValid = context_.driver.createDeviceSet();
  return context_.slots.deviceSetValid;
}

void BatteryAccess::shutdown() {
  closeStatusHandle();
  if (context_.slots.deviceSetValid) context_.driver.destroyDeviceSet();
  context_.slots.deviceSetValid = false;
}

void BatteryAccess::cancelStatusRequest() {
  if (context_.slots.statusHandle == platform::kInvalidHandle) return;
  context_.driver.cancelIo(context_.slots.statusHandle);
}

}  // namespace voltaro::battery
