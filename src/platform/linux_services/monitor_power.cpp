#include "platform/linux_services/monitor_power.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QString>
#include <QStringList>

#include "platform/linux_services/x11_dpms.h"

namespace voltaro::platform::linux_services {

namespace {

constexpr int kPowerSaveOff = 3;  // PowerSaveMode: 0 on, 3 off

std::string environment(const char* name) {
  return qEnvironmentVariable(name).toStdString();
}

// XDG_CURRENT_DESKTOP is a colon-separated list ("ubuntu:GNOME").
bool desktopIs(const std::string& list, const char* name) {
  return QString::fromStdString(list)
      .split(QLatin1Char(':'), Qt::SkipEmptyParts)
      .contains(QLatin1String(name), Qt::CaseInsensitive);
}

}  // namespace

DesktopSession DesktopSession::fromEnvironment() {
  return DesktopSession{environment("XDG_SESSION_TYPE"),
                        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"),
                        qEnvironmentVariableIsSet("DISPLAY"), environment("XDG_CURRENT_DESKTOP")};
}

std::vector<MonitorPowerWay> monitorPowerWays(const DesktopSession& session) {
  const bool wayland =
      session.sessionType == "wayland" || (session.sessionType.empty() && session.waylandDisplay);
  if (!wayland) {
    if (session.x11Display) return {MonitorPowerWay::X11Dpms};
    return {};
  }
  if (desktopIs(session.currentDesktop, "GNOME")) return {MonitorPowerWay::GnomeDisplayConfig};
  if (desktopIs(session.currentDesktop, "KDE")) return {MonitorPowerWay::PlasmaShortcut};
  return {};
}

DesktopMonitorPower::DesktopMonitorPower(QDBusConnection sessionBus, DesktopSession session)
    : bus_(std::move(sessionBus)), session_(std::move(session)) {}

bool DesktopMonitorPower::turnOff() {
  for (MonitorPowerWay way : monitorPowerWays(session_)) {
    if (turnOff(way)) return true;
  }
  return false;
}

bool DesktopMonitorPower::turnOff(MonitorPowerWay way) {
  switch (way) {
    case MonitorPowerWay::X11Dpms:
      return x11DpmsOff(nullptr);
    case MonitorPowerWay::GnomeDisplayConfig: {
      QDBusMessage call = QDBusMessage::createMethodCall(
          QStringLiteral("org.gnome.Mutter.DisplayConfig"),
          QStringLiteral("/org/gnome/Mutter/DisplayConfig"),
          QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
      call << QStringLiteral("org.gnome.Mutter.DisplayConfig") << QStringLiteral("PowerSaveMode")
           << QVariant::fromValue(QDBusVariant(kPowerSaveOff));
      return bus_.call(call).type() == QDBusMessage::ReplyMessage;
    }
    case MonitorPowerWay::PlasmaShortcut: {
      QDBusMessage call = QDBusMessage::createMethodCall(
          QStringLiteral("org.kde.kglobalaccel"), QStringLiteral("/component/org_kde_powerdevil"),
          QStringLiteral("org.kde.kglobalaccel.Component"), QStringLiteral("invokeShortcut"));
      call << QStringLiteral("Turn Off Screen");
      return bus_.call(call).type() == QDBusMessage::ReplyMessage;
    }
  }
  return false;
}

}  // namespace voltaro::platform::linux_services
