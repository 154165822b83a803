// The display of Windows: brightness through the first monitor's device and
// the video brightness requests (DISPLAY_BRIGHTNESS, 3 bytes), monitor power
// through the foreground window, and desktop composition from "DWMAPI.dll",
// loaded at first use. Device calls go through a DeviceIoSeam.
#pragma once

#include <functional>

#include "platform/display.h"
#include "platform/windows/device_io_seam.h"

namespace voltaro::platform::windows {

class Win32Display final : public Display {
 public:
  // EnumDisplayDevicesA(device, index, out, flags)
  using DisplayDeviceLookup =
      std::function<BOOL(const char* device, DWORD index, DISPLAY_DEVICEA& out, DWORD flags)>;

  explicit Win32Display(DeviceIoSeam& io);  // the system's EnumDisplayDevicesA
  Win32Display(DeviceIoSeam& io, DisplayDeviceLookup lookup);
  ~Win32Display() override;
  Win32Display(const Win32Display&) = delete;
  Win32Display& operator=(const Win32Display&) = delete;

  std::vector<std::uint8_t> openBrightness() override;
  std::optional<std::uint8_t> queryBrightness(BrightnessPolicy policy) override;
  bool setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) override;
  bool monitorOff() override;
  bool isCompositionOn() override;
  void setComposition(bool on) override;

 private:
  void closeMonitor();
  FARPROC compositionFunction(const char* name);

  DeviceIoSeam& io_;
  DisplayDeviceLookup lookup_;
  HANDLE monitor_ = INVALID_HANDLE_VALUE;
  HMODULE dwm_ = nullptr;
  bool dwmTried_ = false;
};

}  // namespace voltaro::platform::windows
