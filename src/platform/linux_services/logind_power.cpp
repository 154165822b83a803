#include "platform/linux_services/logind_power.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <cstdio>

#include "platform/linux/process_priority.h"

namespace voltaro::platform::linux_services {

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kOwnSessionPath = QStringLiteral("/org/freedesktop/login1/session/auto");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
// Let polkit ask for a password where the policy wants one.
constexpr bool kInteractive = true;
}  // namespace

LogindPower::LogindPower(QDBusConnection bus) : bus_(std::move(bus)) {}

bool LogindPower::allowed(const char* method) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                     QString::fromLatin1(method));
  const QDBusReply<QString> reply = bus_.call(call);
  if (!reply.isValid()) return false;
  return reply.value() == QLatin1String("yes") || reply.value() == QLatin1String("challenge");
}

bool LogindPower::request(const char* method) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                     QString::fromLatin1(method));
  call << kInteractive;
  const QDBusMessage reply = bus_.call(call);
  return reply.type() == QDBusMessage::ReplyMessage;
}

bool LogindPower::suspend(bool) {
  return request("Suspend");
}
bool LogindPower::hibernate(bool) {
  return request("Hibernate");
}

PowerRequestResult LogindPower::shutdownRequest(const char* method) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                     QString::fromLatin1(method));
  call << kInteractive;
  const QDBusMessage reply = bus_.call(call);
  if (reply.type() == QDBusMessage::ReplyMessage) return PowerRequestResult{true, ""};
  // A refusal by the policy is the counterpart of a missing privilege.
  if (reply.errorName().contains(QLatin1String("AccessDenied")) ||
      reply.errorName().contains(QLatin1String("InteractiveAuthorizationRequired"))) {
    return PowerRequestResult{false, reply.errorMessage().toStdString()};
  }
  return PowerRequestResult{false, ""};
}

PowerRequestResult LogindPower::powerOff() {
  return shutdownRequest("PowerOff");
}
PowerRequestResult LogindPower::reboot() {
  return shutdownRequest("Reboot");
}

int niceValueFor(ProcessPriority priority) {
  switch (priority) {
    case ProcessPriority::Idle:
      return 19;
    case ProcessPriority::Normal:
      return 0;
    case ProcessPriority::High:
      return -10;
    case ProcessPriority::RealTime:
      return -20;
  }
  return 0;
}

bool LogindPower::setProcessPriority(ProcessPriority priority) {
  return setProcessNice(niceValueFor(priority));
}

void LogindPower::beep() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

LogindBacklightWriter::LogindBacklightWriter(QDBusConnection bus) : bus_(std::move(bus)) {}

bool LogindBacklightWriter::setBacklight(const std::string& name, std::uint32_t raw) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kOwnSessionPath, kSessionInterface,
                                                     QStringLiteral("SetBrightness"));
  call << QStringLiteral("backlight") << QString::fromStdString(name) << raw;
  return bus_.call(call).type() == QDBusMessage::ReplyMessage;
}

}  // namespace voltaro::platform::linux_services
