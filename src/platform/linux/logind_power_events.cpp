#include "platform/linux/logind_power_events.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QString>
#include <utility>

namespace voltaro::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

// logind answers at once; a bus that does not answer within this must not
// hold up the program's thread for the default 25 seconds.
constexpr int kCallTimeoutMilliseconds = 2000;

}  // namespace

LogindPowerEvents::LogindPowerEvents(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

LogindPowerEvents::~LogindPowerEvents() {
  if (subscribed_) {
    bus_.disconnect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                    SLOT(prepareForSleep(bool)));
  }
}

bool LogindPowerEvents::start() {
  if (!bus_.isConnected()) return false;
  if (!subscribed_) {
    subscribed_ = bus_.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                               SLOT(prepareForSleep(bool)));
  }
  if (!subscribed_) return false;
  takeInhibitor();
  return true;
}

void LogindPowerEvents::setHandler(std::function<void(PowerEvent)> handler) {
  handler_ = std::move(handler);
}

void LogindPowerEvents::prepareForSleep(bool sleeping) {
  if (sleeping) {
    if (handler_) handler_(PowerEvent::Suspend);
    // The program is ready: let the sleep go ahead.
    releaseInhibitor();
    return;
  }
  // Take the lock first, so a sleep that follows at once still waits for us.
  takeInhibitor();
  if (handler_) handler_(PowerEvent::ResumeSuspend);
}

void LogindPowerEvents::takeInhibitor() {
  if (inhibitor_.isValid()) return;
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
  call << QStringLiteral("sleep") << QStringLiteral("Voltaro")
       << QStringLiteral("Stopping battery monitoring before sleep") << QStringLiteral("delay");
  const QDBusReply<QDBusUnixFileDescriptor> reply =
      bus_.call(call, QDBus::Block, kCallTimeoutMilliseconds);
  if (reply.isValid()) inhibitor_ = reply.value();
}

void LogindPowerEvents::releaseInhibitor() {
  inhibitor_ = QDBusUnixFileDescriptor();
}

}  // namespace voltaro::platform
