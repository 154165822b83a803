// The end of the session from outside the program: a logout or shutdown
// asks the program to save its data, and the system sends SIGTERM (or SIGINT,
// SIGHUP from a terminal) before it kills it. A signal, or the event loop
// ending for any other reason, runs the program's own exit procedure on the
// program's thread, so the settings are saved and a fast discharge is stopped
// as when the user chooses "Exit"; the session manager's request saves.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace voltaro::app {

class SessionEnd : public QObject {
  Q_OBJECT

 public:
  // Both run from the event loop; `exitProcedure` ends the event loop.
  SessionEnd(std::function<void()> exitProcedure, std::function<void()> saveData,
             QObject* parent = nullptr);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // False when the signals could not be watched (the session manager's
  // request and the end of the event loop still are).
  bool watchingSignals() const { return notifier_ != nullptr; }

 private:
  void onSignal();

  std::function<void()> exitProcedure_;
  std::function<void()> saveData_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace voltaro::app
