#include "battery/request_cycle.h"

namespace voltaro::battery {

using platform::IssueOutcome;
using platform::PollOutcome;
using platform::RequestId;

template <typename Send>
void RequestCycle::step(BatteryRequest& request, RequestId id, std::span<std::uint8_t> out,
                        Send send) {
  if (request.issue) {
    request.issue = false;
    request.done = false;
    request.abandoned = false;
    request.pollsLeft = kPolls;
    if (send() != IssueOutcome::Pending) {
      // A request that completed at once or failed is given up: the program
      // reads results only from a request that went pending.
      request.abandoned = true;
      return;
    }
    if (driver_.poll(id, out) == PollOutcome::Completed) request.done = true;
    --request.pollsLeft;
    return;
  }
  if (request.done || request.abandoned) return;
  if (driver_.poll(id, out) == PollOutcome::Completed) request.done = true;
  if (request.pollsLeft > 0) --request.pollsLeft;
  if (request.pollsLeft == 0 && !request.done) request.abandoned = true;
}

void RequestCycle::stepStatus(platform::DeviceHandle handle, std::uint32_t tag) {
  step(requests_.status, RequestId::Status, statusOut_, [&] {
    statusOut_.fill(0);
    // A zero timeout asks for the current status at once.
    const platform::BatteryWaitStatus wait{tag, 0, 0, 0, 0};
    return driver_.issueStatus(handle, RequestId::Status, wait);
  });
}

void RequestCycle::stepEstimate(platform::DeviceHandle handle, std::uint32_t tag) {
  step(requests_.estimate, RequestId::Estimate, estimateOut_, [&] {
    const platform::BatteryQueryInformation query{tag, platform::InfoLevel::EstimatedTime, 0};
    return driver_.issueInformation(handle, RequestId::Estimate, query, estimateOut_.size());
  });
}

platform::BatteryStatusRecord RequestCycle::statusReading() const {
  return platform::decodeStatus(statusOut_).value_or(platform::BatteryStatusRecord{});
}

std::uint32_t RequestCycle::estimateResult() const {
  return platform::decodeValue(estimateOut_).value_or(0);
}

void RequestCycle::restart() {
  requests_.status.restart();
  requests_.estimate.restart();
}

}  // namespace voltaro::battery
