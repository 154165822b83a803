// Turning the monitor off on a Linux desktop without an outside program: in
// an X11 session the X server's DPMS extension, in a Wayland session the
// compositor's own D-Bus interface where the desktop has one (GNOME's
// display configuration, Plasma's power management shortcut). Other Wayland
// compositors offer no way a program may use.
#pragma once

#include <QDBusConnection>
#include <cstdint>
#include <string>
#include <vector>

namespace voltaro::platform::linux_services {

enum class MonitorPowerWay : std::uint8_t {
  X11Dpms,
  GnomeDisplayConfig,  // org.gnome.Mutter.DisplayConfig's PowerSaveMode
  PlasmaShortcut,      // powerdevil's "Turn Off Screen" through kglobalaccel
};

struct DesktopSession {
  std::string sessionType;      // XDG_SESSION_TYPE
  bool waylandDisplay = false;  // WAYLAND_DISPLAY is set
  bool x11Display = false;      // DISPLAY is set
  std::string currentDesktop;   // XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME"

  static DesktopSession fromEnvironment();
};

// The ways to try, in order. In a Wayland session the X server (Xwayland)
// does not drive the monitors, so DPMS is not among them.
std::vector<MonitorPowerWay> monitorPowerWays(const DesktopSession& session);

class DesktopMonitorPower {
 public:
  explicit DesktopMonitorPower(QDBusConnection sessionBus = QDBusConnection::sessionBus(),
                               DesktopSession session = DesktopSession::fromEnvironment());

  // False when no way works (the caller says so on the status line).
  bool turnOff();

 private:
  bool turnOff(MonitorPowerWay way);

  QDBusConnection bus_;
  DesktopSession session_;
};

}  // namespace voltaro::platform::linux_services
