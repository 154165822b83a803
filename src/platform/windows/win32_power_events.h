// Suspend, standby and resume notifications of Windows: WM_POWERBROADCAST
// as it reaches a hidden window of the program's own, turned into
// PowerEvent values for the handler.
//
// The window is a hidden top-level one where the system allows it: the
// system broadcasts WM_POWERBROADCAST to top-level windows, and message-only
// windows receive no broadcasts. Where no top-level window can be made (wine
// without a display) a message-only window takes its place, which receives
// what is sent to it directly. The window lives on the thread that creates
// it, so the handler runs from that thread's message pump.
#pragma once

#include <functional>
#include <optional>

#include "platform/power_events.h"

// windows.h's HWND is a pointer to this structure.
struct HWND__;

namespace voltaro::platform::windows {

// The event of a PBT_* code; nullopt for the queries and the other codes.
// A resume after a wake-up without the user (PBT_APMRESUMEAUTOMATIC) counts
// as a resume from suspend.
std::optional<PowerEvent> powerEventOf(unsigned long long code);

class Win32PowerEvents final : public PowerEvents {
 public:
  Win32PowerEvents();
  ~Win32PowerEvents() override;
  Win32PowerEvents(const Win32PowerEvents&) = delete;
  Win32PowerEvents& operator=(const Win32PowerEvents&) = delete;

  void setHandler(std::function<void(PowerEvent)> handler) override;

  // The receiving window; null when it could not be created (then no event
  // ever arrives).
  HWND__* window() const { return window_; }
  // Whether the window is top-level and so receives the system's broadcast.
  bool receivesBroadcasts() const { return topLevel_; }

 private:
  friend struct PowerEventsWindow;  // the window procedure

  std::function<void(PowerEvent)> handler_;
  HWND__* window_ = nullptr;
  bool topLevel_ = false;
};

}  // namespace voltaro::platform::windows
