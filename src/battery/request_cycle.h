// The two asynchronous battery requests of a monitoring cycle: the status
// request and the estimated-time request. Each tick issues a request that is
// due or polls it once without waiting; a request still pending after ten
// polls is abandoned, and one that completes at once delivers nothing.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "battery/battery_state.h"
#include "platform/battery_driver.h"
#include "platform/battery_records.h"

namespace voltaro::battery {

class RequestCycle {
 public:
  static constexpr std::uint8_t kPolls = 10;

  RequestCycle(platform::BatteryDriver& driver, BatteryRequests& requests)
      : driver_(driver), requests_(requests) {}

  // Issues (when due) or polls the status request for `tag` on `handle`.
  void stepStatus(platform::DeviceHandle handle, std::uint32_t tag);
  // Issues (when due) or polls the estimated-time request.
  void stepEstimate(platform::DeviceHandle handle, std::uint32_t tag);

  // The reading of the status request: zeroed at each issue, valid when done.
  platform::BatteryStatusRecord statusReading() const;
  // The estimate request's seconds; not cleared at an issue.
  std::uint32_t estimateResult() const;

  // Both requests back to the start of a cycle.
  void restart();

 private:
  // Shared rules of both requests; `send` issues the request itself.
  template <typename Send>
  void step(BatteryRequest& request, platform::RequestId id, std::span<std::uint8_t> out,
            Send send);

  platform::BatteryDriver& driver_;
  BatteryRequests& requests_;
  std::array<std::uint8_t, platform::kStatusBytes> statusOut_{};
  std::array<std::uint8_t, platform::kValueBytes> estimateOut_{};
};

}  // namespace voltaro::battery
