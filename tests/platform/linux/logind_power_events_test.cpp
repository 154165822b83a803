// LogindPowerEvents against a mocked logind (python3-dbusmock) on a private
// bus that this test starts and stops.
#include "platform/linux/logind_power_events.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace voltaro::platform {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "logind_power_events_test";
    static char* argv[] = {name, nullptr};
    app_ = new QCoreApplication(argc, argv);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QCoreApplication* app_ = nullptr;
};

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Processes events until the condition holds, at most five seconds.
bool waitFor(const std::function<bool()>& condition) {
  QDeadlineTimer deadline(5000);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

bool dbusmockInstalled() {
  return system("/usr/bin/python3 -c 'import dbusmock' 2>/dev/null") == 0;
}

class LogindPowerEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is not installed";
    startBus();
    ASSERT_FALSE(address_.empty());
    startLogindMock();
    bus_ = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(QString::fromStdString(address_), "voltaro-test-bus"));
    ASSERT_TRUE(bus_->isConnected());
    ASSERT_TRUE(waitFor([&] {
      return bus_->interface()->isServiceRegistered("org.freedesktop.login1").value();
    })) << "the logind mock did not appear on the bus";
  }

  void TearDown() override {
    bus_.reset();
    QDBusConnection::disconnectFromBus("voltaro-test-bus");
    if (mockPid_ > 0) {
      kill(mockPid_, SIGTERM);
      waitpid(mockPid_, nullptr, 0);
    }
    if (busPid_ > 0) kill(busPid_, SIGTERM);  // forked daemon: not our child
  }

  void startBus() {
    FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    ASSERT_NE(out, nullptr);
    char line[512];
    if (fgets(line, sizeof line, out) != nullptr) address_ = std::string(line);
    if (fgets(line, sizeof line, out) != nullptr) busPid_ = atoi(line);
    pclose(out);
    while (!address_.empty() && (address_.back() == '\n' || address_.back() == ' ')) {
      address_.pop_back();
    }
  }

  void startLogindMock() {
    setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.c_str(), 1);
    std::vector<std::string> args = {"/usr/bin/python3", "-m",         "dbusmock",
                                     "--system",         "--template", "logind"};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ASSERT_EQ(posix_spawn(&mockPid_, argv[0], nullptr, nullptr, argv.data(), environ), 0);
  }

  void emitPrepareForSleep(bool sleeping) {
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.DBus.Mock", "EmitSignal");
    call << QString("org.freedesktop.login1.Manager") << QString("PrepareForSleep") << QString("b")
         << QVariantList{QVariant::fromValue(QDBusVariant(sleeping))};
    const QDBusMessage reply = bus_->call(call);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
  }

  // The (what, mode) pairs of the inhibitors logind holds.
  std::vector<std::pair<QString, QString>> inhibitors() {
    const QDBusMessage reply = bus_->call(
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Manager", "ListInhibitors"));
    std::vector<std::pair<QString, QString>> found;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return found;
    const auto list = reply.arguments().at(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
      QString what, who, why, mode;
      uint uid = 0, pid = 0;
      list.beginStructure();
      list >> what >> who >> why >> mode >> uid >> pid;
      list.endStructure();
      found.emplace_back(what, mode);
    }
    list.endArray();
    return found;
  }

  std::string address_;
  pid_t busPid_ = 0;
  pid_t mockPid_ = 0;
  std::unique_ptr<QDBusConnection> bus_;
};

TEST_F(LogindPowerEventsTest, SuspendThenResumeWithTheDelayLockAroundThem) {
  LogindPowerEvents events(*bus_);
  std::vector<PowerEvent> seen;
  std::vector<std::size_t> locksDuringHandler;
  events.setHandler([&](PowerEvent event) {
    seen.push_back(event);
    locksDuringHandler.push_back(inhibitors().size());
  });
  ASSERT_TRUE(events.start());
  EXPECT_TRUE(events.holdsInhibitor());
  const std::vector<std::pair<QString, QString>> sleepDelay = {{"sleep", "delay"}};
  EXPECT_EQ(inhibitors(), sleepDelay);

  emitPrepareForSleep(true);
  ASSERT_TRUE(waitFor([&] { return seen.size() == 1; }));
  EXPECT_EQ(seen[0], PowerEvent::Suspend);
  EXPECT_EQ(locksDuringHandler[0], 1u);  // the sleep waits for the handler
  EXPECT_FALSE(events.holdsInhibitor());
  EXPECT_TRUE(waitFor([&] { return inhibitors().empty(); })) << "the lock was not released";

  emitPrepareForSleep(false);
  ASSERT_TRUE(waitFor([&] { return seen.size() == 2; }));
  EXPECT_EQ(seen[1], PowerEvent::ResumeSuspend);
  EXPECT_TRUE(events.holdsInhibitor());
  EXPECT_EQ(inhibitors(), sleepDelay);
}

TEST_F(LogindPowerEventsTest, NoLockLeftWhenTheListenerGoes) {
  {
    LogindPowerEvents events(*bus_);
    ASSERT_TRUE(events.start());
    ASSERT_EQ(inhibitors().size(), 1u);
  }
  EXPECT_TRUE(waitFor([&] { return inhibitors().empty(); }));
}

TEST(LogindPowerEventsWithoutBus, StartFailsOnADisconnectedBus) {
  LogindPowerEvents events(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "none"));
  EXPECT_FALSE(events.start());
  EXPECT_FALSE(events.holdsInhibitor());
}

}  // namespace
}  // namespace voltaro::platform
