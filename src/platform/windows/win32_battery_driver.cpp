#include "platform/windows/win32_battery_driver.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace voltaro::platform::windows {
namespace {

static_assert(sizeof(void*) != 4 ||
                  (kInterfaceDataSize == 28 && kDetailDataSize == 5 && kDeviceInfoDataSize == 28),
              "32-bit SetupAPI records are packed to one byte");
static_assert(sizeof(BATTERY_QUERY_INFORMATION) == kQueryInformationBytes);
static_assert(sizeof(BATTERY_WAIT_STATUS) == kWaitStatusBytes);
static_assert(sizeof(BATTERY_STATUS) == kStatusBytes);
static_assert(sizeof(BATTERY_INFORMATION) == kInformationBytes);
static_assert(OverlappedRequest::kOutputCapacity >= kTextOutputBytes);

// A detail size beyond this is not a device path but a broken answer.
constexpr DWORD kMaxDetailBytes = 32 * 1024;
constexpr DWORD kDevicePathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);

HANDLE toWin32(DeviceHandle handle) {
  return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle));
}

DeviceHandle fromWin32(HANDLE handle) {
  return static_cast<DeviceHandle>(reinterpret_cast<std::intptr_t>(handle));
}

BATTERY_QUERY_INFORMATION toWin32(const BatteryQueryInformation& query) {
  BATTERY_QUERY_INFORMATION record{};
  record.BatteryTag = query.batteryTag;
  record.InformationLevel = static_cast<BATTERY_QUERY_INFORMATION_LEVEL>(query.level);
  record.AtRate = query.atRate;  // ULONG in mingw-w64's header, LONG in the SDK's
  return record;
}

std::size_t index(RequestId request) {
  return static_cast<std::size_t>(request);
}

}  // namespace

Win32BatteryDriver::Win32BatteryDriver(DeviceIoSeam& io) : io_(io) {
  for (auto& record : requests_) record = std::make_unique<OverlappedRequest>();
}

Win32BatteryDriver::~Win32BatteryDriver() {
  while (!openHandles_.empty()) close(fromWin32(openHandles_.begin()->first));
  destroyDeviceSet();
  // The system may still write into a record whose request it has not
  // finished; leaking it at exit is safer than freeing memory in use.
  for (auto& record : retired_) {
    if (record->systemOwnsBuffers()) static_cast<void>(record.release());
  }
}

bool Win32BatteryDriver::createDeviceSet() {
  if (deviceSet_ != INVALID_HANDLE_VALUE) return true;  // built once, never rebuilt
  HDEVINFO set = io_.getClassDevs(&GUID_DEVICE_BATTERY, nullptr, nullptr,
                                  DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  // Documented to answer INVALID_HANDLE_VALUE; a null set is refused as well.
  if (set == INVALID_HANDLE_VALUE || set == nullptr) return false;
  deviceSet_ = set;
  return true;
}

void Win32BatteryDriver::destroyDeviceSet() {
  if (deviceSet_ == INVALID_HANDLE_VALUE) return;
  io_.destroyDeviceInfoList(deviceSet_);
  deviceSet_ = INVALID_HANDLE_VALUE;
}

std::optional<std::string> Win32BatteryDriver::interfacePath(int interfaceNumber) {
  if (deviceSet_ == INVALID_HANDLE_VALUE || interfaceNumber < 0 || interfaceNumber > 3) {
    return std::nullopt;
  }
  SP_DEVICE_INTERFACE_DATA interfaceData{};
  interfaceData.cbSize = kInterfaceDataSize;
  if (!io_.enumDeviceInterfaces(deviceSet_, nullptr, &GUID_DEVICE_BATTERY,
                                static_cast<DWORD>(interfaceNumber), &interfaceData)) {
    return std::nullopt;
  }
  SP_DEVINFO_DATA deviceData{};
  deviceData.cbSize = kDeviceInfoDataSize;
  DWORD required = 0;
  const BOOL sized =
      io_.getDeviceInterfaceDetail(deviceSet_, &interfaceData, nullptr, 0, &required, &deviceData);
  if (sized || required == 0 || io_.lastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
  // Room for the size field and at least the terminator of the path.
  if (required <= kDevicePathOffset || required > kMaxDetailBytes) return std::nullopt;

  // DWORD elements keep the record aligned for its size field.
  std::vector<DWORD> buffer((required + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
  auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(buffer.data());
  detail->cbSize = kDetailDataSize;
  if (!io_.getDeviceInterfaceDetail(deviceSet_, &interfaceData, detail, required, nullptr,
                                    &deviceData)) {
    return std::nullopt;
  }
  const char* path = detail->DevicePath;
  // A path that fills the buffer without a terminator ends at the buffer's end.
  return std::string(path, strnlen(path, required - kDevicePathOffset));
}

DeviceHandle Win32BatteryDriver::open(const std::string& path, OpenFlags flags) {
  const DWORD attributes =
      flags == OpenFlags::Overlapped ? FILE_FLAG_OVERLAPPED : FILE_ATTRIBUTE_NORMAL;
  HANDLE device =
      io_.createFile(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, attributes, nullptr);
  if (device == INVALID_HANDLE_VALUE || device == nullptr) return kInvalidHandle;
  openHandles_[device] = flags;
  return fromWin32(device);
}

void Win32BatteryDriver::close(DeviceHandle handle) {
  if (handle == kInvalidHandle) return;
  HANDLE device = toWin32(handle);
  bool cancelled = false;
  for (RequestId request : {RequestId::Status, RequestId::Estimate}) {
    OverlappedRequest& record = recordFor(request);
    if (record.device != device || !record.inFlight) continue;
    // An abandoned request is still with the driver: stop it before the
    // handle goes, and keep its buffers until the system lets go of them.
    if (!cancelled) io_.cancelIo(device);
    cancelled = true;
    retire(request);
  }
  io_.closeHandle(device);
  openHandles_.erase(device);
}

std::uint32_t Win32BatteryDriver::queryTag(DeviceHandle handle, std::uint32_t waitMilliseconds) {
  if (handle == kInvalidHandle) return 0;
  DWORD wait = waitMilliseconds;
  ULONG tag = 0;
  const auto returned =
      requestNow(toWin32(handle), IOCTL_BATTERY_QUERY_TAG, &wait, sizeof wait, &tag, sizeof tag);
  if (!returned || *returned < sizeof tag) return 0;
  return tag;
}

std::optional<std::size_t> Win32BatteryDriver::queryInformation(
    DeviceHandle handle, const BatteryQueryInformation& query, std::span<std::uint8_t> out) {
  if (handle == kInvalidHandle) return std::nullopt;
  BATTERY_QUERY_INFORMATION record = toWin32(query);
  const auto returned = requestNow(toWin32(handle), IOCTL_BATTERY_QUERY_INFORMATION, &record,
                                   sizeof record, out.data(), static_cast<DWORD>(out.size()));
  if (!returned) return std::nullopt;
  return std::min<std::size_t>(*returned, out.size());
}

IssueOutcome Win32BatteryDriver::issueStatus(DeviceHandle handle, RequestId request,
                                             const BatteryWaitStatus& wait) {
  if (handle == kInvalidHandle) return IssueOutcome::Failed;
  retire(request);
  OverlappedRequest& record = recordFor(request);
  record.prepare(toWin32(handle), kStatusBytes, true);
  BATTERY_WAIT_STATUS input{};
  input.BatteryTag = wait.batteryTag;
  input.Timeout = wait.timeout;
  input.PowerState = wait.powerState;
  input.LowCapacity = wait.lowCapacity;
  input.HighCapacity = wait.highCapacity;
  std::memcpy(record.input.data(), &input, sizeof input);
  return send(request, IOCTL_BATTERY_QUERY_STATUS, sizeof input);
}

IssueOutcome Win32BatteryDriver::issueInformation(DeviceHandle handle, RequestId request,
                                                  const BatteryQueryInformation& query,
                                                  std::size_t outBytes) {
  if (handle == kInvalidHandle || outBytes > OverlappedRequest::kOutputCapacity) {
    return IssueOutcome::Failed;
  }
  retire(request);
  OverlappedRequest& record = recordFor(request);
  record.prepare(toWin32(handle), outBytes, false);
  const BATTERY_QUERY_INFORMATION input = toWin32(query);
  std::memcpy(record.input.data(), &input, sizeof input);
  return send(request, IOCTL_BATTERY_QUERY_INFORMATION, sizeof input);
}

PollOutcome Win32BatteryDriver::poll(RequestId request, std::span<std::uint8_t> out) {
  releaseFinishedRetired();
  OverlappedRequest& record = recordFor(request);
  if (!record.inFlight) return PollOutcome::Failed;
  DWORD transferred = 0;
  if (!io_.getOverlappedResult(record.device, &record.overlapped, &transferred, FALSE)) {
    if (io_.lastError() == ERROR_IO_INCOMPLETE) return PollOutcome::Pending;
    record.inFlight = false;  // failed or cancelled: the system is done with it
    return PollOutcome::Failed;
  }
  record.inFlight = false;
  // A cleared output is delivered whole, as the caller's own record would
  // read; otherwise only what the driver wrote is copied.
  std::size_t bytes = record.outputZeroed ? record.outputBytes : transferred;
  bytes = std::min({bytes, record.outputBytes, out.size()});
  std::copy_n(record.output.begin(), bytes, out.begin());
  return PollOutcome::Completed;
}

void Win32BatteryDriver::cancelIo(DeviceHandle handle) {
  if (handle == kInvalidHandle) return;
  io_.cancelIo(toWin32(handle));
}

OverlappedRequest& Win32BatteryDriver::recordFor(RequestId request) {
  return *requests_[index(request)];
}

void Win32BatteryDriver::retire(RequestId request) {
  releaseFinishedRetired();
  auto& record = requests_[index(request)];
  if (!record->systemOwnsBuffers()) {
    record->inFlight = false;
    return;
  }
  retired_.push_back(std::move(record));
  record = std::make_unique<OverlappedRequest>();
}

void Win32BatteryDriver::releaseFinishedRetired() {
  std::erase_if(retired_, [](const auto& record) { return !record->systemOwnsBuffers(); });
}

IssueOutcome Win32BatteryDriver::send(RequestId request, DWORD code, DWORD inBytes) {
  OverlappedRequest& record = recordFor(request);
  if (!record.hasEvent()) return IssueOutcome::Failed;
  const BOOL done = io_.deviceIoControl(
      record.device, code, record.input.data(), inBytes, record.output.data(),
      static_cast<DWORD>(record.outputBytes), &record.bytesReturned, &record.overlapped);
  if (done) return IssueOutcome::CompletedAtOnce;
  if (io_.lastError() != ERROR_IO_PENDING) return IssueOutcome::Failed;
  record.inFlight = true;
  return IssueOutcome::Pending;
}

std::optional<DWORD> Win32BatteryDriver::requestNow(HANDLE device, DWORD code, void* in,
                                                    DWORD inBytes, void* out, DWORD outBytes) {
  DWORD returned = 0;
  if (!isOverlapped(device)) {
    if (!io_.deviceIoControl(device, code, in, inBytes, out, outBytes, &returned, nullptr)) {
      return std::nullopt;
    }
    return returned;
  }
  OverlappedRequest record;  // its own event; waited for before it goes
  if (!record.hasEvent()) return std::nullopt;
  if (io_.deviceIoControl(device, code, in, inBytes, out, outBytes, &returned,
                          &record.overlapped)) {
    return returned;
  }
  if (io_.lastError() != ERROR_IO_PENDING) return std::nullopt;
  // The tag query may wait inside the driver (250 ms); this call is
  // synchronous by design, so it waits for the answer.
  if (!io_.getOverlappedResult(device, &record.overlapped, &returned, TRUE)) return std::nullopt;
  return returned;
}

bool Win32BatteryDriver::isOverlapped(HANDLE device) const {
  const auto found = openHandles_.find(device);
  return found != openHandles_.end() && found->second == OpenFlags::Overlapped;
}

}  // namespace voltaro::platform::windows
