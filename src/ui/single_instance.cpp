#include "ui/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtGlobal>

namespace voltaro::ui {

namespace {
constexpr int kConnectMilliseconds = 500;
constexpr char kActivate[] = "activate\n";
constexpr mode_t kOthersMask = S_IRWXG | S_IRWXO;

// The folder of its own under the temporary folder, made when missing.
QString ownFolder(const QString& title) {
  const QString folder = QDir::tempPath() + "/" + title + "-" + QString::number(getuid());
  const QByteArray name = QFile::encodeName(folder);
  // mkdir refuses to follow or replace anything already there; whatever is
  // there is then checked like the runtime folder.
  ::mkdir(name.constData(), S_IRWXU);
  return folder;
}
}  // namespace

bool isPrivateFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  struct stat info {};
  if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & kOthersMask) == 0;
}

bool peerIsThisUser(qintptr descriptor) {
  struct ucred peer {};
  socklen_t size = sizeof peer;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
    return false;
  }
  return size == sizeof peer && peer.uid == getuid();
}

SingleInstance::SingleInstance(const QString& title, QObject* parent)
    : QObject(parent), path_(socketPath(title)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPath(const QString& title) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (isPrivateFolder(runtime)) return runtime + "/" + title;
  const QString own = ownFolder(title);
  if (isPrivateFolder(own)) return own + "/" + title;
  return {};
}

bool SingleInstance::acquire() {
  if (path_.isEmpty()) return true;  // no private place: unguarded, but running
  {
    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(kConnectMilliseconds) && peerIsThisUser(probe.socketDescriptor())) {
      probe.write(kActivate);
      probe.waitForBytesWritten(kConnectMilliseconds);
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody of this user answered: a socket file left by a crashed copy is
  // stale.
  QLocalServer::removeServer(path_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path_)) return true;  // still the only copy we know of
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      if (!peerIsThisUser(peer->socketDescriptor())) {
        peer->abort();
        peer->deleteLater();
        continue;
      }
      connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (peer->readAll().contains("activate")) Q_EMIT activationRequested();
        peer->deleteLater();
      });
    }
  });
  return true;
}

}  // namespace voltaro::ui
