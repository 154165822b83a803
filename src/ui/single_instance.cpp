#include "ui/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtGlobal>

namespace voltaro::ui {

namespace {
constexpr int kConnectMilliseconds = 500;
constexpr char kActivate[] = "activate\n";
}  // namespace

SingleInstance::SingleInstance(const QString& title, QObject* parent)
    : QObject(parent), name_(socketName(title)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketName(const QString& title) {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return title + "-" + user;
}

bool SingleInstance::acquire() {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectMilliseconds)) {
      probe.write(kActivate);
      probe.waitForBytesWritten(kConnectMilliseconds);
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: a socket file left by a crashed copy is stale.
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) return true;  // still the only copy we know of
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (peer->readAll().contains("activate")) Q_EMIT activationRequested();
        peer->deleteLater();
      });
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
  return true;
}

}  // namespace voltaro::ui
