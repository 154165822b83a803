#include "platform/sim/sim_battery_driver.h"

#include <algorithm>
#include <stdexcept>

namespace voltaro::platform::sim {

namespace {

std::size_t slotIndex(int number) {
  if (number < 1 || number > SimBatteryDriver::kSlots) {
    throw std::out_of_range("battery slot numbers are 1 to 4");
  }
  return static_cast<std::size_t>(number - 1);
}

}  // namespace

BatteryInformation SimBattery::defaultInformation() {
  BatteryInformation info;
  info.capabilities = kCapSystemBattery;
  info.technology = 1;
  info.chemistry = {'L', 'I', 'O', 'N'};
  info.designedCapacity = 50000;
  info.fullChargedCapacity = 45000;
  info.defaultAlert1 = 2500;
  info.defaultAlert2 = 5000;
  info.criticalBias = 0;
  info.cycleCount = 0;
  return info;
}

SimBatteryDriver::SimBatteryDriver() {
  for (int number = 1; number <= kSlots; ++number) {
    slot(number).path = "\\\\?\\sim#battery#" + std::to_string(number);
  }
}

SimSlot& SimBatteryDriver::slot(int number) {
  return slots_[slotIndex(number)];
}
const SimSlot& SimBatteryDriver::slot(int number) const {
  return slots_[slotIndex(number)];
}

void SimBatteryDriver::setBattery(int number, std::uint32_t tag) {
  slot(number).interfacePresent = true;
  slot(number).battery.tag = tag;
}

void SimBatteryDriver::setEmptyInterface(int number) {
  slot(number).interfacePresent = true;
  slot(number).battery.tag = 0;
}

void SimBatteryDriver::removeInterface(int number) {
  slot(number).interfacePresent = false;
  slot(number).battery.tag = 0;
}

void SimBatteryDriver::insertBattery(int number, std::uint32_t tag) {
  slot(number).interfacePresent = true;
  slot(number).battery.tag = tag;
}

void SimBatteryDriver::unplug() {
  for (auto& s : slots_) {
    auto& st = s.battery.status;
    st.powerState = (st.powerState & ~(kPowerOnLine | kCharging)) | kDischarging;
    if (st.rate > 0 && static_cast<std::uint32_t>(st.rate) != kUnknownRate) st.rate = -st.rate;
  }
}

void SimBatteryDriver::plug() {
  for (auto& s : slots_) {
    auto& st = s.battery.status;
    const bool full = st.capacity >= s.battery.information.fullChargedCapacity;
    st.powerState = (st.powerState & ~kDischarging) | kPowerOnLine;
    if (!full) st.powerState |= kCharging;
    if (st.rate < 0 && static_cast<std::uint32_t>(st.rate) != kUnknownRate) st.rate = -st.rate;
  }
}

void SimBatteryDriver::setRequestBehaviour(RequestId request, SimRequestBehaviour behaviour) {
  behaviour.pendingPolls = std::max(behaviour.pendingPolls, 1);
  behaviours_[index(request)] = behaviour;
}

SimRequestBehaviour SimBatteryDriver::requestBehaviour(RequestId request) const {
  return behaviours_[index(request)];
}

bool SimBatteryDriver::createDeviceSet() {
  deviceSet_.clear();
  deviceSetCreated_ = false;
  if (deviceSetFails_) return false;
  for (int number = 1; number <= kSlots; ++number) {
    if (slot(number).interfacePresent) deviceSet_.push_back(number);
  }
  deviceSetCreated_ = true;
  return true;
}

void SimBatteryDriver::destroyDeviceSet() {
  deviceSet_.clear();
  deviceSetCreated_ = false;
}

std::optional<std::string> SimBatteryDriver::interfacePath(int index) {
  if (!deviceSetCreated_ || index < 0 || index >= static_cast<int>(deviceSet_.size())) {
    return std::nullopt;
  }
  return slot(deviceSet_[static_cast<std::size_t>(index)]).path;
}

DeviceHandle SimBatteryDriver::open(const std::string& path, OpenFlags flags) {
  for (int number = 1; number <= kSlots; ++number) {
    const SimSlot& s = slot(number);
    if (s.path != path) continue;
    if (!s.interfacePresent || s.openFails) return kInvalidHandle;
    if (exclusiveOpen_) {
      for (const auto& [handle, open] : handles_) {
        if (open.slot == number) return kInvalidHandle;
      }
    }
    const DeviceHandle handle = nextHandle_++;
    handles_[handle] = OpenHandle{number, flags};
    ++openCount_;
    return handle;
  }
  return kInvalidHandle;
}

void SimBatteryDriver::close(DeviceHandle handle) {
  // Closing a handle ends the requests still running on it.
  for (auto& request : requests_) {
    if (request.handle == handle && request.state == RequestState::Pending) {
      request.state = RequestState::Failed;
    }
  }
  handles_.erase(handle);
}

const SimBatteryDriver::OpenHandle* SimBatteryDriver::findHandle(DeviceHandle handle) const {
  auto it = handles_.find(handle);
  return it == handles_.end() ? nullptr : &it->second;
}

std::uint32_t SimBatteryDriver::queryTag(DeviceHandle handle, std::uint32_t) {
  const OpenHandle* open = findHandle(handle);
  if (open == nullptr || !slot(open->slot).interfacePresent) return 0;
  return slot(open->slot).battery.tag;
}

std::optional<std::vector<std::uint8_t>> SimBatteryDriver::answer(int number,
                                                                  InfoLevel level) const {
  const SimBattery& b = slot(number).battery;
  switch (level) {
    case InfoLevel::Information:
      if (b.informationFails) return std::nullopt;
      return encode(b.information);
    case InfoLevel::Temperature:
      if (!b.temperature) return std::nullopt;
      return encodeValue(*b.temperature);
    case InfoLevel::EstimatedTime:
      return encodeValue(b.estimatedTime);
    case InfoLevel::DeviceName:
      if (!b.deviceName) return std::nullopt;
      return encodeText(*b.deviceName);
    case InfoLevel::ManufactureDate:
      if (!b.manufactureDate) return std::nullopt;
      return encode(*b.manufactureDate);
    case InfoLevel::ManufactureName:
      if (!b.manufacturer) return std::nullopt;
      return encodeText(*b.manufacturer);
    case InfoLevel::SerialNumber:
      if (!b.serialNumber) return std::nullopt;
      return encodeText(*b.serialNumber);
  }
  return std::nullopt;
}

std::optional<std::size_t> SimBatteryDriver::queryInformation(DeviceHandle handle,
                                                              const BatteryQueryInformation& query,
                                                              std::span<std::uint8_t> out) {
  const OpenHandle* open = findHandle(handle);
  if (open == nullptr) return std::nullopt;
  const SimSlot& s = slot(open->slot);
  // A tag that no longer names the battery in the slot is refused.
  if (!s.interfacePresent || s.battery.tag == 0 || query.batteryTag != s.battery.tag) {
    return std::nullopt;
  }
  auto bytes = answer(open->slot, query.level);
  if (!bytes) return std::nullopt;
  const std::size_t n = std::min(bytes->size(), out.size());
  std::copy_n(bytes->begin(), n, out.begin());
  return n;
}

IssueOutcome SimBatteryDriver::issue(DeviceHandle handle, RequestId id, std::uint32_t tag,
                                     bool isStatus, InfoLevel level) {
  Request& request = requests_[index(id)];
  request = Request{RequestState::Idle,
                    handle,
                    tag,
                    isStatus,
                    level,
                    0,
                    request.issues + 1,
                    request.totalPolls,
                    behaviours_[index(id)]};
  const OpenHandle* open = findHandle(handle);
  if (open == nullptr || open->flags != OpenFlags::Overlapped) {
    request.state = RequestState::Failed;
    return IssueOutcome::Failed;
  }
  const SimSlot& s = slot(open->slot);
  if (!s.interfacePresent || s.battery.tag == 0 || tag != s.battery.tag) {
    request.state = RequestState::Failed;
    return IssueOutcome::Failed;
  }
  switch (request.behaviour.mode) {
    case SimRequestMode::Pending:
    case SimRequestMode::Never:
      request.state = RequestState::Pending;
      return IssueOutcome::Pending;
    case SimRequestMode::AtOnce:
      request.state = RequestState::Completed;
      return IssueOutcome::CompletedAtOnce;
    case SimRequestMode::Fail:
      request.state = RequestState::Failed;
      return IssueOutcome::Failed;
  }
  return IssueOutcome::Failed;
}

IssueOutcome SimBatteryDriver::issueStatus(DeviceHandle handle, RequestId request,
                                           const BatteryWaitStatus& wait) {
  lastWaitStatus_ = wait;
  return issue(handle, request, wait.batteryTag, true, InfoLevel::Information);
}

IssueOutcome SimBatteryDriver::issueInformation(DeviceHandle handle, RequestId request,
                                                const BatteryQueryInformation& query, std::size_t) {
  lastEstimateQuery_ = query;
  return issue(handle, request, query.batteryTag, false, query.level);
}

std::optional<std::vector<std::uint8_t>> SimBatteryDriver::requestOutput(
    const Request& request) const {
  const OpenHandle* open = findHandle(request.handle);
  if (open == nullptr) return std::nullopt;
  const SimSlot& s = slot(open->slot);
  // A battery pulled while the request ran makes it fail.
  if (!s.interfacePresent || s.battery.tag != request.tag || request.tag == 0) {
    return std::nullopt;
  }
  if (request.isStatus) return encode(s.battery.status);
  return answer(open->slot, request.level);
}

PollOutcome SimBatteryDriver::poll(RequestId id, std::span<std::uint8_t> out) {
  Request& request = requests_[index(id)];
  ++request.totalPolls;
  switch (request.state) {
    case RequestState::Idle:
    case RequestState::Failed:
      return PollOutcome::Failed;
    case RequestState::Completed:
      break;
    case RequestState::Pending:
      ++request.polls;
      if (request.behaviour.mode == SimRequestMode::Never) return PollOutcome::Pending;
      if (request.polls < request.behaviour.pendingPolls) return PollOutcome::Pending;
      break;
  }
  auto bytes = requestOutput(request);
  if (!bytes) {
    request.state = RequestState::Failed;
    return PollOutcome::Failed;
  }
  request.state = RequestState::Completed;
  std::copy_n(bytes->begin(), std::min(bytes->size(), out.size()), out.begin());
  return PollOutcome::Completed;
}

void SimBatteryDriver::cancelIo(DeviceHandle handle) {
  ++cancelCount_;
  for (auto& request : requests_) {
    if (request.handle == handle && request.state == RequestState::Pending) {
      request.state = RequestState::Failed;
    }
  }
}

}  // namespace voltaro::platform::sim
