// A simulated battery class driver: four slots whose interfaces, batteries,
// information and status are set by tests (this C++ interface) or by a
// scenario file (scenario_reader.h). It keeps the driver's observable
// behaviour: tags that go stale when a battery is removed, requests that stay
// pending, complete at once or fail, CancelIo and handles that close their
// requests. Counters let tests check what the battery code asked for.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/battery_driver.h"
#include "platform/battery_records.h"

namespace voltaro::platform::sim {

// What a battery in a slot reports. A text or value that is nullopt makes its
// information query fail, as a driver does for data the pack does not keep.
struct SimBattery {
  std::uint32_t tag = 0;  // 0 = no battery in the slot
  std::optional<std::string> deviceName = "Sim Battery";
  std::optional<std::string> manufacturer = "Keldwick";
  std::optional<std::string> serialNumber = "0001";
  std::optional<BatteryManufactureDate> manufactureDate;  // nullopt: the query fails
  BatteryInformation information = defaultInformation();
  bool informationFails = false;
  std::optional<std::uint32_t> temperature;    // tenths of a kelvin; nullopt: fails
  std::uint32_t estimatedTime = kUnknownTime;  // seconds
  BatteryStatusRecord status{kDischarging, 30000, 11100, -12000};

  static BatteryInformation defaultInformation();
};

struct SimSlot {
  bool interfacePresent = false;
  bool openFails = false;  // CreateFile fails on this slot's path
  std::string path;        // device path; set by the driver when empty
  SimBattery battery;
};

// How an issued overlapped request behaves.
enum class SimRequestMode {
  Pending,  // pending, completes on the pendingPolls-th poll
  Never,    // pending for ever
  AtOnce,   // completes synchronously (the program then ignores it)
  Fail,     // the call fails
};

struct SimRequestBehaviour {
  SimRequestMode mode = SimRequestMode::Pending;
  int pendingPolls = 1;  // >= 1; 1 completes on the first poll after the issue
  bool operator==(const SimRequestBehaviour&) const = default;
};

// The device set lists the interfaces present when it is created, in slot
// order, and enumerates them by position: with slot 1 without an interface,
// interface number 0 is slot 2's. An interface added later is not in the set;
// one removed later stays in it but no longer opens.
class SimBatteryDriver : public BatteryDriver {
 public:
  static constexpr int kSlots = 4;

  SimBatteryDriver();

  // --- Scripting ---------------------------------------------------------
  // Slot numbers are 1..4.
  SimSlot& slot(int number);
  const SimSlot& slot(int number) const;
  SimBattery& battery(int number) { return slot(number).battery; }
  // An interface with a battery of the given tag (nonzero).
  void setBattery(int number, std::uint32_t tag);
  // An interface without a battery.
  void setEmptyInterface(int number);
  void removeInterface(int number);
  void removeBattery(int number) { slot(number).battery.tag = 0; }
  void insertBattery(int number, std::uint32_t tag);
  // External power lost or back, on every battery: the power state and the
  // sign of a known rate follow.
  void unplug();
  void plug();

  void setDeviceSetFails(bool fails) { deviceSetFails_ = fails; }
  // With exclusive opening a second open of an open device path fails, as
  // CreateFile with share mode 0 does on the real driver.
  void setExclusiveOpen(bool exclusive) { exclusiveOpen_ = exclusive; }
  void setRequestBehaviour(RequestId request, SimRequestBehaviour behaviour);
  SimRequestBehaviour requestBehaviour(RequestId request) const;

  // --- Observation -------------------------------------------------------
  int openCount() const { return openCount_; }
  int openHandleCount() const { return static_cast<int>(handles_.size()); }
  int cancelCount() const { return cancelCount_; }
  int issueCount(RequestId request) const { return requests_[index(request)].issues; }
  int pollCount(RequestId request) const { return requests_[index(request)].totalPolls; }
  std::optional<BatteryWaitStatus> lastWaitStatus() const { return lastWaitStatus_; }
  std::optional<BatteryQueryInformation> lastEstimateQuery() const { return lastEstimateQuery_; }
  bool deviceSetCreated() const { return deviceSetCreated_; }

  // --- BatteryDriver -----------------------------------------------------
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
  struct OpenHandle {
    int slot = 0;  // 1..4
    OpenFlags flags = OpenFlags::Normal;
  };
  enum class RequestState { Idle, Pending, Completed, Failed };
  struct Request {
    RequestState state = RequestState::Idle;
    DeviceHandle handle = kInvalidHandle;
    std::uint32_t tag = 0;
    bool isStatus = true;
    InfoLevel level = InfoLevel::EstimatedTime;
    int polls = 0;  // polls since the issue
    int issues = 0;
    int totalPolls = 0;
    SimRequestBehaviour behaviour;
  };

  static std::size_t index(RequestId request) { return static_cast<std::size_t>(request); }
  const OpenHandle* findHandle(DeviceHandle handle) const;
  std::optional<std::vector<std::uint8_t>> answer(int slot, InfoLevel level) const;
  IssueOutcome issue(DeviceHandle handle, RequestId request, std::uint32_t tag, bool isStatus,
                     InfoLevel level);
  std::optional<std::vector<std::uint8_t>> requestOutput(const Request& request) const;

  std::array<SimSlot, kSlots> slots_{};
  std::vector<int> deviceSet_;  // slot numbers whose interface the set holds, in order
  std::array<SimRequestBehaviour, 2> behaviours_{};
  std::array<Request, 2> requests_{};
  std::map<DeviceHandle, OpenHandle> handles_;
  DeviceHandle nextHandle_ = 100;
  bool deviceSetFails_ = false;
  bool deviceSetCreated_ = false;
  bool exclusiveOpen_ = false;
  int openCount_ = 0;
  int cancelCount_ = 0;
  std::optional<BatteryWaitStatus> lastWaitStatus_;
  std::optional<BatteryQueryInformation> lastEstimateQuery_;
};

}  // namespace voltaro::platform::sim
