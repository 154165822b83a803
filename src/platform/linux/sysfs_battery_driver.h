// The battery class driver on Linux, answered from the kernel's power_supply
// class (/sys/class/power_supply, or any folder laid out like it).
//
// Device paths are the battery folders; handles are numbers of this driver.
// sysfs answers at once, so an issued asynchronous request is reported as
// pending, remembers what was asked, and completes at the next poll with the
// values read then — what a Windows driver does within one tick.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/battery_driver.h"
#include "platform/linux/supply_attributes.h"
#include "platform/linux/supply_units.h"

namespace voltaro::platform {

class SysfsBatteryDriver : public BatteryDriver {
 public:
  static constexpr const char* kDefaultRoot = "/sys/class/power_supply";

  explicit SysfsBatteryDriver(std::filesystem::path root = kDefaultRoot);

  bool createDeviceSet() override;
  void destroyDeviceSet() override;
  std::optional<std::string> interfacePath(int index) override;
  DeviceHandle open(const std::string& path, OpenFlags flags) override;
  void close(DeviceHandle handle) override;
  std::uint32_t queryTag(DeviceHandle handle, std::uint32_t waitMilliseconds) override;
  std::optional<std::size_t> queryInformation(DeviceHandle handle,
                                              const BatteryQueryInformation& query,
                                              std::span<std::uint8_t> out) override;
  IssueOutcome issueStatus(DeviceHandle handle, RequestId request,
                           const BatteryWaitStatus& wait) override;
  IssueOutcome issueInformation(DeviceHandle handle, RequestId request,
                                const BatteryQueryInformation& query,
                                std::size_t outBytes) override;
  PollOutcome poll(RequestId request, std::span<std::uint8_t> out) override;
  void cancelIo(DeviceHandle handle) override;

 private:
  struct OpenDevice {
    std::filesystem::path folder;
    OpenFlags flags = OpenFlags::Normal;
  };
  struct PendingRequest {
    DeviceHandle handle = kInvalidHandle;
    bool isStatus = true;
    std::uint32_t tag = 0;
    BatteryQueryInformation query;  // information requests only
    std::size_t outBytes = 0;       // bytes the caller asked for
  };
  struct KeptUnits {
    std::uint32_t tag = 0;  // the battery the units were chosen for
    linux_sysfs::UnitChoice units;
  };

  const OpenDevice* device(DeviceHandle handle) const;
  // The battery's identity tag, read in full from its identity files (the
  // tag queries and the information record) and kept for the other reads.
  std::uint32_t identify(const linux_sysfs::SupplyAttributes& battery);
  // The kept tag while the battery stays present: a status, text or
  // estimate read opens no identity file.
  std::uint32_t knownTag(const linux_sysfs::SupplyAttributes& battery);
  // The kept tag without reading anything (knownTag while there is none).
  std::uint32_t rememberedTag(const linux_sysfs::SupplyAttributes& battery);
  // The units chosen at the battery's first reading, kept while it stays in.
  const linux_sysfs::UnitChoice& unitsFor(const linux_sysfs::SupplyAttributes& battery,
                                          std::uint32_t tag);
  // The reply to an information level, or nullopt when the level is
  // unavailable or the tag no longer names the battery in the folder.
  std::optional<std::vector<std::uint8_t>> answer(const std::filesystem::path& folder,
                                                  const BatteryQueryInformation& query);
  std::optional<std::vector<std::uint8_t>> answerStatus(const std::filesystem::path& folder,
                                                        std::uint32_t tag);
  IssueOutcome issue(DeviceHandle handle, RequestId request, PendingRequest pending);

  std::filesystem::path root_;
  bool deviceSetValid_ = false;
  std::vector<std::string> deviceSet_;  // battery folder names, slot order
  std::map<DeviceHandle, OpenDevice> devices_;
  std::map<std::string, std::uint32_t> identities_;  // battery folder: tag
  DeviceHandle nextHandle_ = 1;
  std::array<std::optional<PendingRequest>, 2> pending_;
  std::map<std::string, KeptUnits> units_;  // by battery folder
};

}  // namespace voltaro::platform
