// The program's entries in the system's settings store: the autorun value
// that starts it with the session, and the notification-area setting that
// keeps its tray icon out of the overflow.
//
// Backends: Win32Registry (windows/). On Linux the autorun entry is an XDG
// autostart file (ui/autostart_entry.h) and there is no tray promotion.
#pragma once

#include <string>

namespace voltaro::platform {

class Registry {
 public:
  virtual ~Registry() = default;

  // Rewrites the autorun entry: the value is removed from the user's and the
  // machine's Run key, and with `on` written again for the user with the
  // program's full path. Failures are ignored.
  virtual void setAutoRun(bool on) = 0;
  // The user's autorun value; empty when there is none.
  virtual std::string autoRunValue() = 0;

  // Marks every notification-area entry of this program as promoted and
  // returns how many values were written (0 when all were already promoted
  // or the settings could not be read). Failures are swallowed.
  virtual int promoteTrayIcon() = 0;
};

}  // namespace voltaro::platform
