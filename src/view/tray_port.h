// The notification-area icon as the subsystems see it.
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::view {

enum class BalloonIcon { None, Info, Warning, Error };

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  virtual void setHint(const std::string& hint) = 0;
  // Icon picture number of the tray icon table.
  virtual void setIcon(int picture) = 0;
  virtual void showBalloon(const std::string& title, const std::string& text, BalloonIcon icon,
                           std::uint32_t timeoutMilliseconds) = 0;
};

}  // namespace voltaro::view
