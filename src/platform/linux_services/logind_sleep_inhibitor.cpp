#include "platform/linux_services/logind_sleep_inhibitor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace voltaro::platform::linux_services {

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
// A logind that does not answer must not hold the program's tick for long.
constexpr int kCallTimeoutMs = 2000;
}  // namespace

LogindSleepInhibitor::LogindSleepInhibitor(QDBusConnection bus, std::string who)
    : bus_(std::move(bus)), who_(std::move(who)) {}

LogindSleepInhibitor::~LogindSleepInhibitor() {
  release();
}

bool LogindSleepInhibitor::available() {
  if (!bus_.isConnected() || bus_.interface() == nullptr) return false;
  return bus_.interface()->isServiceRegistered(kService).value();
}

bool LogindSleepInhibitor::hold(const std::string& why) {
  if (held()) return true;
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface, "Inhibit");
  call << QStringLiteral("idle:sleep") << QString::fromStdString(who_)
       << QString::fromStdString(why) << QStringLiteral("block");
  const QDBusReply<QDBusUnixFileDescriptor> reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
  if (!reply.isValid() || !reply.value().isValid()) return false;
  lock_ = reply.value();
  return true;
}

void LogindSleepInhibitor::release() {
  // The last copy of the descriptor closes it, and logind drops the lock.
  lock_ = QDBusUnixFileDescriptor();
}

}  // namespace voltaro::platform::linux_services
