// A private D-Bus daemon with python3-dbusmock templates on it, started and
// stopped by the test (only the processes it started are stopped).
#pragma once

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace voltaro::testing {

inline bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return true;
}

inline bool dbusmockInstalled() {
  return system("/usr/bin/python3 -c 'import dbusmock' 2>/dev/null") == 0 &&
         system("command -v dbus-daemon >/dev/null 2>&1") == 0;
}

class PrivateBus {
 public:
  explicit PrivateBus(std::string connectionName) : name_(std::move(connectionName)) {}
  ~PrivateBus() { stop(); }

  // Starts the daemon and connects; false when either fails.
  bool start() {
    FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (out == nullptr) return false;
    char line[512];
    if (fgets(line, sizeof line, out) != nullptr) address_ = line;
    if (fgets(line, sizeof line, out) != nullptr) busPid_ = atoi(line);
    pclose(out);
    while (!address_.empty() && (address_.back() == '\n' || address_.back() == ' ')) {
      address_.pop_back();
    }
    if (address_.empty() || busPid_ <= 0) return false;
    connection_ = QDBusConnection::connectToBus(QString::fromStdString(address_),
                                                QString::fromStdString(name_));
    return connection_.isConnected();
  }

  // Starts a template as the system-bus service and waits for its name.
  bool startTemplate(const std::string& templateName, const std::string& busName,
                     const std::string& parameters = "") {
    std::vector<std::string> args = {"/usr/bin/python3", "-m",         "dbusmock",
                                     "--system",         "--template", templateName};
    if (!parameters.empty()) {
      args.push_back("--parameters");
      args.push_back(parameters);
    }
    return startMock(args, "DBUS_SYSTEM_BUS_ADDRESS", busName);
  }

  // Starts an empty mock object `path` with `interface` under `busName`, as
  // a session-bus service, and waits for its name.
  bool startSessionMock(const std::string& busName, const std::string& path,
                        const std::string& interface) {
    return startMock({"/usr/bin/python3", "-m", "dbusmock", busName, path, interface},
                     "DBUS_SESSION_BUS_ADDRESS", busName);
  }

  const std::string& address() const { return address_; }

 private:
  bool startMock(std::vector<std::string> args, const std::string& addressVariable,
                 const std::string& busName) {
    std::vector<std::string> env = {addressVariable + "=" + address_};
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::string(*e).rfind(addressVariable + "=", 0) != 0) env.emplace_back(*e);
    }
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return false;
    mockPids_.push_back(pid);
    const QString service = QString::fromStdString(busName);
    return waitUntil([&] { return connection_.interface()->isServiceRegistered(service).value(); });
  }

 public:
  void stop() {
    connection_ = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(QString::fromStdString(name_));
    for (pid_t pid : mockPids_) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    mockPids_.clear();
    if (busPid_ > 0) kill(busPid_, SIGTERM);  // the forked daemon is not our child
    busPid_ = 0;
  }

  QDBusConnection& connection() { return connection_; }

 private:
  std::string name_;
  std::string address_;
  pid_t busPid_ = 0;
  std::vector<pid_t> mockPids_;
  QDBusConnection connection_{QString()};
};

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "voltaro_dbus_test";
    static char* argv[] = {name, nullptr};
    app_ = new QCoreApplication(argc, argv);
  }
  void TearDown() override { delete app_; }

 private:
  QCoreApplication* app_ = nullptr;
};

}  // namespace voltaro::testing
