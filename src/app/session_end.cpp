#include "app/session_end.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <array>
#include <csignal>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include <sys/socket.h>
#include <unistd.h>

namespace voltaro::app {

namespace {

// A signal handler may only write to a descriptor: it wakes the event loop
// through this socket pair, and the exit procedure runs there.
std::array<int, 2> wakeSockets = {-1, -1};
constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onEndSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeSockets[0], &byte, 1);
}

}  // namespace

SessionEnd::SessionEnd(std::function<void()> exitProcedure, std::function<void()> saveData,
                       QObject* parent)
    : QObject(parent), exitProcedure_(std::move(exitProcedure)), saveData_(std::move(saveData)) {
  if (wakeSockets[0] < 0 &&
      ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeSockets.data()) != 0) {
    wakeSockets = {-1, -1};
  }
  if (wakeSockets[0] >= 0) {
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::onSignal);
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
  }
#ifndef QT_NO_SESSIONMANAGER
  // Logout or shutdown: the session manager asks first, then ends the program
  // (a checkpoint asks the same without ending it, so this only saves).
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { saveData_(); });
#endif
  connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] { exitProcedure_(); });
}

SessionEnd::~SessionEnd() {
  if (notifier_ == nullptr) return;
  for (int signal : kEndSignals) std::signal(signal, SIG_DFL);
}

void SessionEnd::onSignal() {
  char byte = 0;
  [[maybe_unused]] const ssize_t read = ::read(wakeSockets[1], &byte, 1);
  exitProcedure_();
}

}  // namespace voltaro::app
