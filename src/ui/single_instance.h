// The single-instance guard: the first copy listens on a local socket named
// after the product title and the user; a later copy finds it listening,
// asks it to come forward and ends. A copy that crashed leaves no lock: the
// next start finds nobody answering and takes the name over.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace voltaro::ui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& title, QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket name for a title: the title and the user, so two users of one
  // machine each run their own copy.
  static QString socketName(const QString& title);

  // True when this copy is the only one and now owns the name; false when a
  // running copy answered (it has been asked to come forward).
  bool acquire();

 Q_SIGNALS:
  // A second start asked this copy to bring its window forward.
  void activationRequested();

 private:
  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace voltaro::ui
