#include "platform/linux_services/dbus_power_profiles.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace voltaro::platform::linux_services {

namespace {

struct DaemonName {
  const char* service;
  const char* path;
};
constexpr DaemonName kNames[] = {
    {"org.freedesktop.UPower.PowerProfiles", "/org/freedesktop/UPower/PowerProfiles"},
    {"net.hadess.PowerProfiles", "/net/hadess/PowerProfiles"},
};
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QVariant getProperty(QDBusConnection& bus, const QString& service, const QString& path,
                     const QString& name) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(service, path, kProperties, QStringLiteral("Get"));
  call << service << name;  // the interface is named like the service
  const QDBusMessage reply = bus.call(call);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return reply.arguments().at(0).value<QDBusVariant>().variant();
}

}  // namespace

DbusPowerProfilesTool::DbusPowerProfilesTool(QDBusConnection bus) : bus_(std::move(bus)) {}

bool DbusPowerProfilesTool::locate() {
  if (!service_.isEmpty()) return true;
  if (!bus_.isConnected() || bus_.interface() == nullptr) return false;
  for (const DaemonName& name : kNames) {
    const QString service = QString::fromLatin1(name.service);
    if (bus_.interface()->isServiceRegistered(service).value()) {
      service_ = service;
      path_ = QString::fromLatin1(name.path);
      return true;
    }
  }
  return false;
}

std::string DbusPowerProfilesTool::listPlans() {
  if (!locate()) return "";
  const QString active =
      getProperty(bus_, service_, path_, QStringLiteral("ActiveProfile")).toString();
  const QVariant profiles = getProperty(bus_, service_, path_, QStringLiteral("Profiles"));
  if (!profiles.canConvert<QDBusArgument>()) return "";

  std::string listing;
  const QDBusArgument array = profiles.value<QDBusArgument>();
  array.beginArray();
  while (!array.atEnd()) {
    QVariantMap profile;
    array >> profile;
    const QString name = profile.value(QStringLiteral("Profile")).toString();
    if (name.isEmpty()) continue;
    listing += (name == active ? "* " : "  ") + name.toStdString() + ":\r\n";
    listing +=
        "    Driver:     " + profile.value(QStringLiteral("Driver")).toString().toStdString() +
        "\r\n\r\n";
  }
  array.endArray();
  return listing;
}

void DbusPowerProfilesTool::activatePlan(const std::string& planId) {
  if (!locate()) return;
  QDBusMessage call =
      QDBusMessage::createMethodCall(service_, path_, kProperties, QStringLiteral("Set"));
  call << service_ << QStringLiteral("ActiveProfile")
       << QVariant::fromValue(QDBusVariant(QString::fromStdString(planId)));
  bus_.call(call);
}

}  // namespace voltaro::platform::linux_services
