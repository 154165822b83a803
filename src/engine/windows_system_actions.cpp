#include "engine/windows_system_actions.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "calibration/calibration_power.h"
#include "platform/windows/win32_device_io.h"
#include "platform/windows/win32_display.h"
#include "platform/windows/win32_power.h"
#include "platform/windows/win32_power_events.h"
#include "platform/windows/win32_shell.h"
#include "platform/windows/win32_system_times.h"

namespace voltaro::engine {

namespace {

struct WindowsSystemActions final : SystemActions {
  // The display talks through the device: it goes first.
  ~WindowsSystemActions() override { display.reset(); }
  std::unique_ptr<platform::windows::Win32DeviceIo> deviceIo;
};

}  // namespace

std::unique_ptr<SystemActions> makeWindowsSystemActions(platform::Runtime& runtime,
                                                        std::function<bool()> /*onAcPower*/) {
  using namespace platform::windows;
  auto actions = std::make_unique<WindowsSystemActions>();
  actions->powerEvents = std::make_unique<Win32PowerEvents>();
  actions->systemTimes = std::make_unique<Win32SystemTimes>();
  std::error_code failed;
  std::string temporary = std::filesystem::temp_directory_path(failed).string();
  if (!temporary.empty() && temporary.back() != '\\') temporary += '\\';
  actions->shell = std::make_unique<Win32Shell>(runtime, temporary);
  actions->deviceIo = std::make_unique<Win32DeviceIo>();
  actions->display = std::make_unique<Win32Display>(*actions->deviceIo);
  actions->power = std::make_unique<Win32Power>();
  return actions;
}

}  // namespace voltaro::engine
