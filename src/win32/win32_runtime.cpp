#include "win32/win32_runtime.h"

#include <windows.h>

#include <chrono>
#include <functional>

namespace voltaro::win32 {

namespace {
constexpr wchar_t kClassName[] = L"VoltaroTimers";
constexpr UINT kPostedEvent = WM_APP + 7;

LRESULT CALLBACK timerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    auto* runtime = reinterpret_cast<Win32Runtime*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (runtime != nullptr) runtime->fireTimer(static_cast<std::uintptr_t>(wParam));
    return 0;
  }
  if (message == kPostedEvent) {
    std::unique_ptr<std::function<void()>> event(reinterpret_cast<std::function<void()>*>(lParam));
    if (event && *event) (*event)();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

class Win32Runtime::WindowTimer final : public platform::Timer {
 public:
  WindowTimer(Win32Runtime& runtime, std::uintptr_t id) : runtime_(runtime), id_(id) {
    runtime_.timers_[id_] = this;
  }
  ~WindowTimer() override {
    setEnabled(false);
    runtime_.timers_.erase(id_);
  }
  void setInterval(std::uint32_t milliseconds) override {
    interval_ = milliseconds;
    // A running timer goes on at the new interval, from now.
    if (enabled_) setEnabled(true);
  }
  std::uint32_t interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    if (runtime_.window_ == nullptr) return;
    if (enabled) {
      SetTimer(runtime_.window_, id_, interval_ == 0 ? USER_TIMER_MINIMUM : interval_, nullptr);
    } else {
      KillTimer(runtime_.window_, id_);
    }
  }
  bool enabled() const override { return enabled_; }
  void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
  void fire() {
    if (enabled_ && handler_) handler_();
  }

 private:
  Win32Runtime& runtime_;
  std::uintptr_t id_;
  std::uint32_t interval_ = 0;
  bool enabled_ = false;
  std::function<void()> handler_;
};

void Win32Runtime::fireTimer(std::uintptr_t id) {
  // The handler may delete its own timer: nothing of it is used afterwards.
  const auto found = timers_.find(id);
  if (found != timers_.end()) found->second->fire();
}

Win32Runtime::Win32Runtime() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = timerProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

Win32Runtime::~Win32Runtime() {
  if (window_ != nullptr) DestroyWindow(window_);
}

DayTime Win32Runtime::now() const {
  return localDayTime(std::chrono::system_clock::now());
}

std::uint32_t Win32Runtime::tickCount() const {
  return GetTickCount();
}

std::unique_ptr<platform::Timer> Win32Runtime::createTimer() {
  return std::make_unique<WindowTimer>(*this, nextId_++);
}

void Win32Runtime::processMessages() {
  MSG message;
  while (!quitting_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitting_ = true;
      exitCode_ = static_cast<int>(message.wParam);
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Runtime::post(std::function<void()> event) {
  auto copy = std::make_unique<std::function<void()>>(std::move(event));
  if (window_ != nullptr &&
      PostMessageW(window_, kPostedEvent, 0, reinterpret_cast<LPARAM>(copy.get())) != FALSE) {
    copy.release();
  }
}

void Win32Runtime::sleep(std::uint32_t milliseconds) {
  Sleep(milliseconds);
}

void Win32Runtime::waitForEvents(std::uint32_t milliseconds) {
  if (quitting_) return;
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

int Win32Runtime::run() {
  MSG message;
  while (!quitting_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      quitting_ = true;
      if (got == 0) exitCode_ = static_cast<int>(message.wParam);
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return exitCode_;
}

}  // namespace voltaro::win32
