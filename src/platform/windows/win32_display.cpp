#include "platform/windows/win32_display.h"

#include <algorithm>
#include <array>
#include <utility>

// After windows.h (through the seam's header).
#include <ntddvdeo.h>

namespace voltaro::platform::windows {
namespace {

// GUID_DEVCLASS_MONITOR {4d36e96e-e325-11ce-bfc1-08002be10318}.
constexpr GUID kMonitorClass{
    0x4d36e96e, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr DWORD kInterfaceName = 1;  // EDD_GET_DEVICE_INTERFACE_NAME
constexpr std::size_t kLevelBufferBytes = 256;
constexpr LPARAM kMonitorPowerOff = 2;

static_assert(sizeof(DISPLAY_BRIGHTNESS) == 3);

using CompositionEnabled = HRESULT(WINAPI*)(BOOL*);
using EnableComposition = HRESULT(WINAPI*)(UINT);

}  // namespace

Win32Display::Win32Display(DeviceIoSeam& io)
    : Win32Display(io, [](const char* device, DWORD index, DISPLAY_DEVICEA& out, DWORD flags) {
        return EnumDisplayDevicesA(device, index, &out, flags);
      }) {}

Win32Display::Win32Display(DeviceIoSeam& io, DisplayDeviceLookup lookup)
    : io_(io), lookup_(std::move(lookup)) {}

Win32Display::~Win32Display() {
  closeMonitor();
  if (dwm_ != nullptr) FreeLibrary(dwm_);
}

std::vector<std::uint8_t> Win32Display::openBrightness() {
  closeMonitor();
  HDEVINFO monitors =
      io_.getClassDevs(&kMonitorClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (monitors == INVALID_HANDLE_VALUE) return {};
  // Only asked whether monitors are present; the set itself is not needed.
  io_.destroyDeviceInfoList(monitors);

  DISPLAY_DEVICEA adapter{};
  adapter.cb = sizeof adapter;
  if (!lookup_(nullptr, 0, adapter, kInterfaceName)) return {};
  DISPLAY_DEVICEA monitor{};
  monitor.cb = sizeof monitor;
  if (!lookup_(adapter.DeviceName, 0, monitor, kInterfaceName)) return {};

  HANDLE device = io_.createFile(monitor.DeviceID, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (device == INVALID_HANDLE_VALUE || device == nullptr) return {};
  std::array<std::uint8_t, kLevelBufferBytes> levels{};
  DWORD returned = 0;
  if (!io_.deviceIoControl(device, IOCTL_VIDEO_QUERY_SUPPORTED_BRIGHTNESS, nullptr, 0,
                           levels.data(), static_cast<DWORD>(levels.size()), &returned, nullptr) ||
      returned < 2) {
    io_.closeHandle(device);
    return {};
  }
  monitor_ = device;
  const std::size_t count = std::min<std::size_t>(returned, levels.size());
  return {levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::optional<std::uint8_t> Win32Display::queryBrightness(BrightnessPolicy policy) {
  if (monitor_ == INVALID_HANDLE_VALUE) return std::nullopt;
  DISPLAY_BRIGHTNESS record{};
  record.ucDisplayPolicy = policy == BrightnessPolicy::Dc ? DISPLAYPOLICY_DC : DISPLAYPOLICY_AC;
  DWORD returned = 0;
  if (!io_.deviceIoControl(monitor_, IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS, nullptr, 0, &record,
                           sizeof record, &returned, nullptr)) {
    return std::nullopt;
  }
  return policy == BrightnessPolicy::Dc ? record.ucDCBrightness : record.ucACBrightness;
}

bool Win32Display::setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) {
  if (monitor_ == INVALID_HANDLE_VALUE) return false;
  DISPLAY_BRIGHTNESS record{static_cast<UCHAR>(policy), ac, dc};
  DWORD returned = 0;
  return io_.deviceIoControl(monitor_, IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS, &record, sizeof record,
                             nullptr, 0, &returned, nullptr) != FALSE;
}

bool Win32Display::monitorOff() {
  HWND window = GetForegroundWindow();
  if (window == nullptr) return false;
  // The message has no answer that tells whether the monitor went off.
  SendMessageA(window, WM_SYSCOMMAND, SC_MONITORPOWER, kMonitorPowerOff);
  return true;
}

bool Win32Display::isCompositionOn() {
  auto enabled = reinterpret_cast<CompositionEnabled>(
      reinterpret_cast<void (*)()>(compositionFunction("DwmIsCompositionEnabled")));
  if (enabled == nullptr) return false;
  BOOL on = FALSE;
  return SUCCEEDED(enabled(&on)) && on;
}

void Win32Display::setComposition(bool on) {
  auto enable = reinterpret_cast<EnableComposition>(
      reinterpret_cast<void (*)()>(compositionFunction("DwmEnableComposition")));
  if (enable != nullptr) enable(on ? 1 : 0);
}

void Win32Display::closeMonitor() {
  if (monitor_ == INVALID_HANDLE_VALUE) return;
  io_.closeHandle(monitor_);
  monitor_ = INVALID_HANDLE_VALUE;
}

FARPROC Win32Display::compositionFunction(const char* name) {
  if (!dwmTried_) {
    dwmTried_ = true;
    dwm_ = LoadLibraryA("DWMAPI.dll");
  }
  return dwm_ != nullptr ? GetProcAddress(dwm_, name) : nullptr;
}

}  // namespace voltaro::platform::windows
