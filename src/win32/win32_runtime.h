// The runtime port on the Win32 message loop: timers are SetTimer timers of
// a message-only window on the program's thread, the pump is PeekMessage and
// the wait is MsgWaitForMultipleObjects, so a `delay` keeps the windows,
// the tray icon and the timers answering.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/runtime.h"

struct HWND__;

namespace voltaro::win32 {

class Win32Runtime final : public platform::Runtime {
 public:
  Win32Runtime();
  ~Win32Runtime() override;
  Win32Runtime(const Win32Runtime&) = delete;
  Win32Runtime& operator=(const Win32Runtime&) = delete;

  DayTime now() const override;
  std::uint32_t tickCount() const override;
  std::unique_ptr<platform::Timer> createTimer() override;
  void processMessages() override;
  void sleep(std::uint32_t milliseconds) override;
  void waitForEvents(std::uint32_t milliseconds) override;

  // True once WM_QUIT came through the pump; the main loop ends then.
  bool quitting() const { return quitting_; }
  // The main loop: GetMessage until WM_QUIT; returns its exit code.
  int run();

  // Runs `event` on the program's thread from its message loop; callable
  // from any thread.
  void post(std::function<void()> event);

  // The timers' window; a WM_TIMER of timer `id` runs its handler.
  HWND__* window() const { return window_; }
  void fireTimer(std::uintptr_t id);

 private:
  class WindowTimer;
  HWND__* window_ = nullptr;
  std::uintptr_t nextId_ = 1;
  std::map<std::uintptr_t, WindowTimer*> timers_;
  bool quitting_ = false;
  int exitCode_ = 0;
};

}  // namespace voltaro::win32
