// The battery class driver of Windows: SetupAPI device-interface enumeration
// of GUID_DEVICE_BATTERY, device handles opened with CreateFileA, and the
// battery requests sent with DeviceIoControl, the status and estimate
// requests overlapped and polled with GetOverlappedResult without waiting.
// Every system call goes through a DeviceIoSeam.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/battery_driver.h"
#include "platform/windows/device_io_seam.h"
#include "platform/windows/overlapped_request.h"

namespace voltaro::platform::windows {

// The record sizes SetupAPI checks its callers' size fields against. A 32-bit
// build gives 28, 5 and 28; a 64-bit one 32, 8 and 32, and SetupAPI refuses
// the 32-bit figures there with ERROR_INVALID_PARAMETER.
constexpr DWORD kInterfaceDataSize = sizeof(SP_DEVICE_INTERFACE_DATA);
constexpr DWORD kDetailDataSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
constexpr DWORD kDeviceInfoDataSize = sizeof(SP_DEVINFO_DATA);

// The wait the tag query passes when a caller asks for none (milliseconds).
constexpr DWORD kTagWaitMilliseconds = 250;

class Win32BatteryDriver final : public BatteryDriver {
 public:
  explicit Win32BatteryDriver(DeviceIoSeam& io);
  // Closes the handles still open and the device set.
  ~Win32BatteryDriver() override;
  Win32BatteryDriver(const Win32BatteryDriver&) = delete;
  Win32BatteryDriver& operator=(const Win32BatteryDriver&) = delete;

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

  // Records handed back to the system after a close or a re-issue, waiting
  // for it to finish with them.
  std::size_t retiredRequestsForTesting() const { return retired_.size(); }

 private:
  OverlappedRequest& recordFor(RequestId request);
  // Puts a record the system still writes into aside and gives the request a
  // fresh one.
  void retire(RequestId request);
  void releaseFinishedRetired();
  IssueOutcome send(RequestId request, DWORD code, DWORD inBytes);
  // A request answered before DeviceIoControl returns. On a handle opened for
  // overlapped I/O the system needs an OVERLAPPED record even then.
  std::optional<DWORD> requestNow(HANDLE device, DWORD code, void* in, DWORD inBytes, void* out,
                                  DWORD outBytes);
  bool isOverlapped(HANDLE device) const;

  DeviceIoSeam& io_;
  HDEVINFO deviceSet_ = INVALID_HANDLE_VALUE;
  std::map<HANDLE, OpenFlags> openHandles_;
  std::array<std::unique_ptr<OverlappedRequest>, 2> requests_;
  std::vector<std::unique_ptr<OverlappedRequest>> retired_;
};

}  // namespace voltaro::platform::windows
