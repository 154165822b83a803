// The inhibitor locks a (mocked) logind holds, as its ListInhibitors method
// gives them.
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <optional>
#include <vector>

namespace voltaro::testing {

struct Inhibitor {
  QString what;
  QString who;
  QString why;
  QString mode;
};

// nullopt when logind does not answer.
inline std::optional<std::vector<Inhibitor>> listInhibitors(QDBusConnection connection) {
  const QDBusMessage reply = connection.call(
      QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                     "org.freedesktop.login1.Manager", "ListInhibitors"));
  if (reply.type() != QDBusMessage::ReplyMessage) return std::nullopt;
  std::vector<Inhibitor> found;
  if (reply.arguments().isEmpty()) return found;
  const auto list = reply.arguments().at(0).value<QDBusArgument>();
  list.beginArray();
  while (!list.atEnd()) {
    Inhibitor lock;
    uint uid = 0, pid = 0;
    list.beginStructure();
    list >> lock.what >> lock.who >> lock.why >> lock.mode >> uid >> pid;
    list.endStructure();
    found.push_back(lock);
  }
  list.endArray();
  return found;
}

}  // namespace voltaro::testing
