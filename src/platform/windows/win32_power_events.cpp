#include "platform/windows/win32_power_events.h"

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

constexpr const char* kClassName = "VoltaroPowerEvents";

}  // namespace

struct PowerEventsWindow {
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

std::optional<PowerEvent> powerEventOf(unsigned long long code) {
  switch (code) {
    case PBT_APMSUSPEND:
      return PowerEvent::Suspend;
    case PBT_APMSTANDBY:
      return PowerEvent::Standby;
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMEAUTOMATIC:
      return PowerEvent::ResumeSuspend;
    case PBT_APMRESUMESTANDBY:
      return PowerEvent::ResumeStandby;
    case PBT_APMRESUMECRITICAL:
      return PowerEvent::ResumeCritical;
  }
  return std::nullopt;
}

Win32PowerEvents::Win32PowerEvents() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = PowerEventsWindow::procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  // A second receiver finds the class registered by the first.
  if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
  // Never shown; the tool-window style keeps it off the taskbar all the same.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, this);
  topLevel_ = window_ != nullptr;
  if (window_ == nullptr) {
    window_ =
        CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
  }
}

Win32PowerEvents::~Win32PowerEvents() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32PowerEvents::setHandler(std::function<void(PowerEvent)> handler) {
  handler_ = std::move(handler);
}

LRESULT CALLBACK PowerEventsWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32PowerEvents*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message != WM_POWERBROADCAST || self == nullptr) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // Suspend and standby are always allowed; the program only pauses.
  if (wParam == PBT_APMQUERYSUSPEND || wParam == PBT_APMQUERYSTANDBY) return TRUE;
  const auto event = powerEventOf(wParam);
  if (event && self->handler_) self->handler_(*event);
  return TRUE;
}

}  // namespace voltaro::platform::windows
