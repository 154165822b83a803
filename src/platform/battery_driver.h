// The battery class driver, as the program uses it: a device set of battery
// interfaces, device handles, the synchronous tag and information queries,
// and two asynchronous (overlapped) requests that are issued, polled without
// waiting, and cancelled.
//
// Backends: SimBatteryDriver (sim/), SysfsBatteryDriver (linux/), and the
// Win32 driver (windows/). Each emulates what its system lacks; the slot
// logic and the request state machine above run unchanged on all of them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/battery_records.h"

namespace voltaro::platform {

using DeviceHandle = std::int64_t;
constexpr DeviceHandle kInvalidHandle = -1;

enum class OpenFlags { Normal, Overlapped };  // FILE_ATTRIBUTE_NORMAL, FILE_FLAG_OVERLAPPED

// The two overlapped records the program owns.
enum class RequestId { Status = 0, Estimate = 1 };

enum class IssueOutcome {
  Pending,          // the call failed with ERROR_IO_PENDING
  CompletedAtOnce,  // the call succeeded synchronously
  Failed,           // any other failure
};

enum class PollOutcome { Pending, Completed, Failed };

class BatteryDriver {
 public:
  virtual ~BatteryDriver() = default;

  // SetupDiGetClassDevs with the battery interface class; false when the set
  // cannot be created (then no slot ever resolves).
  virtual bool createDeviceSet() = 0;
  virtual void destroyDeviceSet() = 0;

  // Device path of interface number `index` (slot - 1, 0..3) in the set
  // created at start-up, or nullopt when there is no such interface.
  virtual std::optional<std::string> interfacePath(int index) = 0;

  // CreateFile with GENERIC_READ, no sharing, OPEN_EXISTING.
  virtual DeviceHandle open(const std::string& path, OpenFlags flags) = 0;
  virtual void close(DeviceHandle handle) = 0;

  // IOCTL_BATTERY_QUERY_TAG with the wait in milliseconds; 0 when there is no
  // battery or the call fails.
  virtual std::uint32_t queryTag(DeviceHandle handle, std::uint32_t waitMilliseconds) = 0;

  // Synchronous IOCTL_BATTERY_QUERY_INFORMATION: fills `out` and returns the
  // number of bytes returned, or nullopt when the call fails.
  virtual std::optional<std::size_t> queryInformation(DeviceHandle handle,
                                                      const BatteryQueryInformation& query,
                                                      std::span<std::uint8_t> out) = 0;

  // Overlapped IOCTL_BATTERY_QUERY_STATUS (20 bytes in, 16 out) on `request`.
  virtual IssueOutcome issueStatus(DeviceHandle handle, RequestId request,
                                   const BatteryWaitStatus& wait) = 0;
  // Overlapped IOCTL_BATTERY_QUERY_INFORMATION (12 bytes in, outBytes out).
  virtual IssueOutcome issueInformation(DeviceHandle handle, RequestId request,
                                        const BatteryQueryInformation& query,
                                        std::size_t outBytes) = 0;
  // GetOverlappedResult without waiting; on completion copies the output into
  // `out` (at most out.size() bytes).
  virtual PollOutcome poll(RequestId request, std::span<std::uint8_t> out) = 0;
  // CancelIo on the handle: every request issued on it stops.
  virtual void cancelIo(DeviceHandle handle) = 0;
};

}  // namespace voltaro::platform
