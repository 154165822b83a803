// "Monitor Off" on Linux: which way each kind of session offers, GNOME's
// display configuration on a private session bus, and a missing X server or
// desktop interface answering that it could not.
#include "platform/linux_services/monitor_power.h"

#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusVariant>
#include <memory>

#include "platform/linux_services/x11_dpms.h"
#include "fakes/dbusmock_bus.h"

namespace voltaro::platform::linux_services {
namespace {

using Ways = std::vector<MonitorPowerWay>;

// The Qt application of this test program is set up by
// logind_sleep_inhibitor_test.cpp, which shares it.

TEST(MonitorPowerTest, EachSessionOffersItsOwnWay) {
  EXPECT_EQ(monitorPowerWays({"x11", false, true, "GNOME"}), Ways{MonitorPowerWay::X11Dpms});
  EXPECT_EQ(monitorPowerWays({"", false, true, ""}), Ways{MonitorPowerWay::X11Dpms});
  EXPECT_EQ(monitorPowerWays({"wayland", true, true, "ubuntu:GNOME"}),
            Ways{MonitorPowerWay::GnomeDisplayConfig});
  EXPECT_EQ(monitorPowerWays({"", true, false, "KDE"}), Ways{MonitorPowerWay::PlasmaShortcut});
  // Xwayland's DPMS does not reach the monitors; other compositors offer none.
  EXPECT_EQ(monitorPowerWays({"wayland", true, true, "sway"}), Ways{});
  EXPECT_EQ(monitorPowerWays({"tty", false, false, ""}), Ways{});
}

TEST(MonitorPowerTest, WithoutAnXServerOrItsDpmsNothingIsSwitched) {
  EXPECT_FALSE(x11DpmsOff(":4711"));
  DesktopMonitorPower none(QDBusConnection(QString()), {"wayland", true, false, "sway"});
  EXPECT_FALSE(none.turnOff());
}

TEST(MonitorPowerTest, OnGnomeTheDisplayConfigurationGoesToPowerSaveOff) {
  if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
  voltaro::testing::PrivateBus bus("voltaro-monitor-power-test");
  ASSERT_TRUE(bus.start());
  const QString service = "org.gnome.Mutter.DisplayConfig";
  const QString path = "/org/gnome/Mutter/DisplayConfig";
  ASSERT_TRUE(
      bus.startSessionMock(service.toStdString(), path.toStdString(), service.toStdString()));
  QDBusMessage add =
      QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Mock", "AddProperty");
  add << service << "PowerSaveMode" << QVariant::fromValue(QDBusVariant(0));
  ASSERT_EQ(bus.connection().call(add).type(), QDBusMessage::ReplyMessage);

  DesktopMonitorPower power(bus.connection(), {"wayland", true, true, "GNOME"});
  EXPECT_TRUE(power.turnOff());
  QDBusMessage get =
      QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Properties", "Get");
  get << service << "PowerSaveMode";
  const QDBusMessage reply = bus.connection().call(get);
  ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(reply.arguments().at(0).value<QDBusVariant>().variant().toInt(), 3);

  // Plasma's shortcut service is not on this bus: that way fails.
  DesktopMonitorPower plasma(bus.connection(), {"wayland", true, true, "KDE"});
  EXPECT_FALSE(plasma.turnOff());
}

}  // namespace
}  // namespace voltaro::platform::linux_services
