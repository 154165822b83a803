// The single-instance guard: the first copy listens on a local socket in the
// user's private runtime folder; a later copy of the same user finds it,
// makes sure the copy answering runs as the same user, asks it to come
// forward and ends. A copy that crashed leaves no lock: the next start finds
// nobody answering and takes the name over.
//
// Nobody else can reach the socket: it lives in $XDG_RUNTIME_DIR (made 0700
// for the user by the system) or, without one, in a folder of its own made
// 0700 under the temporary folder. A folder that is not private is not used
// at all: the program then runs unguarded rather than let another user stop
// it from starting.
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace voltaro::ui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& title, QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket's path for a title: "$XDG_RUNTIME_DIR/<title>" when that is a
  // private folder of this user, else "<temporary folder>/<title>-<uid>/<title>"
  // (the folder made 0700 when missing); empty when neither is private.
  static QString socketPath(const QString& title);

  // True when this copy is the only one and now owns the name (or runs
  // unguarded); false when a running copy of this user answered (it has been
  // asked to come forward).
  bool acquire();

 Q_SIGNALS:
  // A second start asked this copy to bring its window forward.
  void activationRequested();

 private:
  // Asks a copy listening at the path to come forward; false when none of
  // this user answered in time.
  bool askRunningCopy() const;
  bool listen();
  void acceptCallers();
  void readCaller(int descriptor, QSocketNotifier* notifier);

  QString path_;
  int listener_ = -1;  // the listening socket, once this copy owns the name
};

// A folder (not a link to one) owned by this user that no one else may open.
bool isPrivateFolder(const QString& folder);
// The process at the other end of the connected local socket `descriptor`
// runs as this user.
bool peerIsThisUser(qintptr descriptor);

}  // namespace voltaro::ui
