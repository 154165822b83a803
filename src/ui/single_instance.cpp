#include "ui/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <optional>

namespace voltaro::ui {

namespace {
constexpr int kConnectMilliseconds = 500;
constexpr char kActivate[] = "activate\n";
constexpr mode_t kOthersMask = S_IRWXG | S_IRWXO;
// Bytes a caller may send before it is dropped; the request is far shorter.
constexpr qsizetype kMostFromACaller = 64;
constexpr int kBacklog = 8;
constexpr char kReceived[] = "received";

// The address of the socket file at `path`; nullopt when the path is too
// long for one.
std::optional<sockaddr_un> addressOf(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address{};
  if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
    return std::nullopt;
  }
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  return address;
}

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

SingleInstance::~SingleInstance() {
  // The listening socket and every caller not yet done with are watched by
  // an enabled notifier of this object; the socket file goes with the
  // listener.
  for (QSocketNotifier* notifier : findChildren<QSocketNotifier*>()) {
    if (!notifier->isEnabled()) continue;  // its caller is closed already
    notifier->setEnabled(false);
    ::close(static_cast<int>(notifier->socket()));
  }
  if (listener_ >= 0) ::unlink(QFile::encodeName(path_).constData());
}

QString SingleInstance::socketPath(const QString& title) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (isPrivateFolder(runtime)) return runtime + "/" + title;
  const QString own = ownFolder(title);
  if (isPrivateFolder(own)) return own + "/" + title;
  return {};
}

bool SingleInstance::acquire() {
  if (path_.isEmpty()) return true;  // no private place: unguarded, but running
  if (askRunningCopy()) return false;
  // Nobody of this user answered: a socket file left by a crashed copy is
  // stale.
  ::unlink(QFile::encodeName(path_).constData());
  listen();  // when it fails, still the only copy we know of
  return true;
}

bool SingleInstance::askRunningCopy() const {
  const std::optional<sockaddr_un> address = addressOf(path_);
  if (!address) return false;
  const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (probe < 0) return false;
  // The connection and the request each wait at most this long for a copy
  // that is too busy to take them.
  timeval limit{};
  limit.tv_sec = kConnectMilliseconds / 1000;
  limit.tv_usec = (kConnectMilliseconds % 1000) * 1000;
  ::setsockopt(probe, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  const bool asked =
      ::connect(probe, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
      peerIsThisUser(probe) &&
      ::send(probe, kActivate, sizeof kActivate - 1, MSG_NOSIGNAL) ==
          static_cast<ssize_t>(sizeof kActivate - 1);
  ::close(probe);
  return asked;
}

bool SingleInstance::listen() {
  const std::optional<sockaddr_un> address = addressOf(path_);
  if (!address) return false;
  const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener < 0) return false;
  const QByteArray name = QFile::encodeName(path_);
  if (::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
      ::chmod(name.constData(), S_IRWXU) != 0 || ::listen(listener, kBacklog) != 0) {
    ::close(listener);
    return false;
  }
  listener_ = listener;
  auto* notifier = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { acceptCallers(); });
  return true;
}

void SingleInstance::acceptCallers() {
  for (;;) {
    const int caller = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (caller < 0) return;  // none left (or none to take now): wait for the next
    if (!peerIsThisUser(caller)) {
      ::close(caller);
      continue;
    }
    auto* notifier = new QSocketNotifier(caller, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this,
            [this, caller, notifier] { readCaller(caller, notifier); });
  }
}

void SingleInstance::readCaller(int descriptor, QSocketNotifier* notifier) {
  char buffer[kMostFromACaller];
  const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
  if (count < 0 && (errno == EAGAIN || errno == EINTR)) return;
  QByteArray received = notifier->property(kReceived).toByteArray();
  if (count > 0) received.append(buffer, count);
  const bool asked = received.contains("activate");
  if (!asked && count > 0 && received.size() < kMostFromACaller) {
    notifier->setProperty(kReceived, received);  // the rest is still to come
    return;
  }
  // Answered, hung up, failed or too talkative: done with this caller.
  notifier->setEnabled(false);
  notifier->deleteLater();
  ::close(descriptor);
  if (asked) Q_EMIT activationRequested();
}

}  // namespace voltaro::ui
