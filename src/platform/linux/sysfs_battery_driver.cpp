#include "platform/linux/sysfs_battery_driver.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/linux/battery_readout.h"
#include "platform/linux/supply_listing.h"

namespace voltaro::platform {

using linux_sysfs::SupplyAttributes;
using linux_sysfs::UnitChoice;

namespace {

constexpr std::size_t kMaxInterfaces = 4;

std::size_t requestSlot(RequestId request) {
  return static_cast<std::size_t>(request);
}

// Fixed-size records need room for the whole record; texts are cut to fit,
// whole UTF-16 characters only.
std::optional<std::size_t> copyReply(const std::vector<std::uint8_t>& reply, InfoLevel level,
                                     std::span<std::uint8_t> out) {
  const bool isText = level == InfoLevel::DeviceName || level == InfoLevel::ManufactureName ||
                      level == InfoLevel::SerialNumber;
  std::size_t count = reply.size();
  if (count > out.size()) {
    if (!isText) return std::nullopt;
    count = out.size() & ~std::size_t{1};
  }
  std::copy_n(reply.begin(), count, out.begin());
  return count;
}

}  // namespace

SysfsBatteryDriver::SysfsBatteryDriver(std::filesystem::path root) : root_(std::move(root)) {}

bool SysfsBatteryDriver::createDeviceSet() {
  std::error_code ec;
  deviceSetValid_ = std::filesystem::is_directory(root_, ec);
  deviceSet_.clear();
  if (!deviceSetValid_) return false;
  deviceSet_ = linux_sysfs::listSystemBatteries(root_);
  if (deviceSet_.size() > kMaxInterfaces) deviceSet_.resize(kMaxInterfaces);
  return true;
}

void SysfsBatteryDriver::destroyDeviceSet() {
  deviceSetValid_ = false;
  deviceSet_.clear();
}

std::optional<std::string> SysfsBatteryDriver::interfacePath(int index) {
  if (!deviceSetValid_ || index < 0 || static_cast<std::size_t>(index) >= deviceSet_.size()) {
    return std::nullopt;
  }
  return (root_ / deviceSet_[static_cast<std::size_t>(index)]).string();
}

DeviceHandle SysfsBatteryDriver::open(const std::string& path, OpenFlags flags) {
  const SupplyAttributes supply{std::filesystem::path(path)};
  if (supply.text("type") != "Battery") return kInvalidHandle;
  const DeviceHandle handle = nextHandle_++;
  devices_[handle] = OpenDevice{supply.folder(), flags};
  return handle;
}

void SysfsBatteryDriver::close(DeviceHandle handle) {
  // Closing a handle ends the requests still running on it.
  cancelIo(handle);
  devices_.erase(handle);
}

// The monitor asks for the tag on every tick. A tag stands for one stay of a
// battery in its bay, so presence is enough here too: the identity files are
// read when the battery is first seen (or seen again) and at each
// information read, not every second.
std::uint32_t SysfsBatteryDriver::queryTag(DeviceHandle handle, std::uint32_t) {
  const OpenDevice* open = device(handle);
  if (open == nullptr) return 0;
  return knownTag(SupplyAttributes(open->folder));
}

std::optional<std::size_t> SysfsBatteryDriver::queryInformation(
    DeviceHandle handle, const BatteryQueryInformation& query, std::span<std::uint8_t> out) {
  const OpenDevice* open = device(handle);
  if (open == nullptr) return std::nullopt;
  const auto reply = answer(open->folder, query);
  if (!reply) return std::nullopt;
  return copyReply(*reply, query.level, out);
}

IssueOutcome SysfsBatteryDriver::issueStatus(DeviceHandle handle, RequestId request,
                                             const BatteryWaitStatus& wait) {
  PendingRequest pending;
  pending.handle = handle;
  pending.isStatus = true;
  pending.tag = wait.batteryTag;
  pending.outBytes = kStatusBytes;
  return issue(handle, request, pending);
}

IssueOutcome SysfsBatteryDriver::issueInformation(DeviceHandle handle, RequestId request,
                                                  const BatteryQueryInformation& query,
                                                  std::size_t outBytes) {
  PendingRequest pending;
  pending.handle = handle;
  pending.isStatus = false;
  pending.tag = query.batteryTag;
  pending.query = query;
  pending.outBytes = outBytes;
  return issue(handle, request, pending);
}

IssueOutcome SysfsBatteryDriver::issue(DeviceHandle handle, RequestId request,
                                       PendingRequest pending) {
  pending_[requestSlot(request)].reset();
  const OpenDevice* open = device(handle);
  if (open == nullptr) return IssueOutcome::Failed;
  const SupplyAttributes battery(open->folder);
  const bool fullRead = !pending.isStatus && pending.query.level == InfoLevel::Information;
  // A handle opened without the overlapped flag carries requests
  // synchronously: the call completes before it returns.
  const bool atOnce = open->flags != OpenFlags::Overlapped;
  std::uint32_t tag = 0;
  if (fullRead) {
    tag = identify(battery);
  } else if (atOnce) {
    tag = knownTag(battery);
  } else {
    // The poll that carries the request out reads the battery's presence;
    // here the tag its last reading gave is enough.
    tag = rememberedTag(battery);
  }
  if (tag != pending.tag || pending.tag == 0) {
    return IssueOutcome::Failed;
  }
  if (atOnce) return IssueOutcome::CompletedAtOnce;
  pending_[requestSlot(request)] = pending;
  return IssueOutcome::Pending;
}

PollOutcome SysfsBatteryDriver::poll(RequestId request, std::span<std::uint8_t> out) {
  auto& slot = pending_[requestSlot(request)];
  if (!slot) return PollOutcome::Failed;
  const PendingRequest pending = *slot;
  slot.reset();
  const OpenDevice* open = device(pending.handle);
  if (open == nullptr) return PollOutcome::Failed;
  std::optional<std::vector<std::uint8_t>> reply;
  if (pending.isStatus) {
    reply = answerStatus(open->folder, pending.tag);
  } else {
    reply = answer(open->folder, pending.query);
  }
  if (!reply) return PollOutcome::Failed;
  reply->resize(std::min(reply->size(), pending.outBytes));
  std::copy_n(reply->begin(), std::min(reply->size(), out.size()), out.begin());
  return PollOutcome::Completed;
}

void SysfsBatteryDriver::cancelIo(DeviceHandle handle) {
  for (auto& pending : pending_) {
    if (pending && pending->handle == handle) pending.reset();
  }
}

const SysfsBatteryDriver::OpenDevice* SysfsBatteryDriver::device(DeviceHandle handle) const {
  const auto it = devices_.find(handle);
  return it == devices_.end() ? nullptr : &it->second;
}

std::uint32_t SysfsBatteryDriver::identify(const SupplyAttributes& battery) {
  const std::uint32_t tag = linux_sysfs::batteryTag(battery);
  if (tag == 0) {
    identities_.erase(battery.folder().string());
  } else {
    identities_[battery.folder().string()] = tag;
  }
  return tag;
}

std::uint32_t SysfsBatteryDriver::knownTag(const SupplyAttributes& battery) {
  // A battery taken out reads as absent (or its folder goes) before another
  // can be put in, so presence is enough between information reads.
  if (!linux_sysfs::batteryPresent(battery)) {
    identities_.erase(battery.folder().string());
    return 0;
  }
  const auto known = identities_.find(battery.folder().string());
  return known != identities_.end() ? known->second : identify(battery);
}

std::uint32_t SysfsBatteryDriver::rememberedTag(const SupplyAttributes& battery) {
  const auto known = identities_.find(battery.folder().string());
  return known != identities_.end() ? known->second : knownTag(battery);
}

const UnitChoice& SysfsBatteryDriver::unitsFor(const SupplyAttributes& battery, std::uint32_t tag) {
  // Some firmware switches between energy and charge attributes at run time;
  // the units seen first stay, so figures never jump between two scales. A
  // different battery in the bay chooses afresh.
  auto& kept = units_[battery.folder().string()];
  if (kept.tag != tag) kept = KeptUnits{tag, linux_sysfs::chooseUnits(battery)};
  return kept.units;
}

std::optional<std::vector<std::uint8_t>> SysfsBatteryDriver::answer(
    const std::filesystem::path& folder, const BatteryQueryInformation& query) {
  const SupplyAttributes battery(folder);
  // The information record reads the identity afresh; the other levels
  // (the texts, temperature, estimate) go with the tag it gave.
  const std::uint32_t tag =
      query.level == InfoLevel::Information ? identify(battery) : knownTag(battery);
  if (tag == 0 || tag != query.batteryTag) return std::nullopt;
  switch (query.level) {
    case InfoLevel::Information:
      return encode(linux_sysfs::readInformation(battery, unitsFor(battery, tag)));
    case InfoLevel::Temperature:
      return encodeValue(linux_sysfs::readTemperature(battery));
    case InfoLevel::EstimatedTime:
      return encodeValue(linux_sysfs::readEstimatedTime(battery));
    case InfoLevel::ManufactureDate: {
      const auto date = linux_sysfs::readManufactureDate(battery);
      if (!date) return std::nullopt;
      return encode(*date);
    }
    case InfoLevel::DeviceName:
    case InfoLevel::ManufactureName:
    case InfoLevel::SerialNumber: {
      const auto text = linux_sysfs::readText(battery, query.level);
      if (!text) return std::nullopt;
      return encodeText(*text);
    }
  }
  return std::nullopt;  // a level this driver does not know
}

std::optional<std::vector<std::uint8_t>> SysfsBatteryDriver::answerStatus(
    const std::filesystem::path& folder, std::uint32_t tag) {
  const SupplyAttributes battery(folder);
  if (tag == 0 || knownTag(battery) != tag) return std::nullopt;
  linux_sysfs::PowerContext context;
  context.onAc = linux_sysfs::onAcPower(root_);
  context.batteriesInSet = std::max<int>(1, static_cast<int>(deviceSet_.size()));
  return encode(linux_sysfs::readStatus(battery, unitsFor(battery, tag), context));
}

}  // namespace voltaro::platform
