// LogindPowerEvents against a mocked logind (python3-dbusmock) on a private
// bus that this test starts and stops.
#include "platform/linux/logind_power_events.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <string>
#include <vector>

#include "fakes/dbusmock_bus.h"
#include "fakes/logind_inhibitors.h"

namespace voltaro::platform {
namespace {

using voltaro::testing::waitUntil;

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::QtEnvironment);

class LogindPowerEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
    ASSERT_TRUE(bus.start());
    ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"))
        << "the logind mock did not appear on the bus";
  }

  void emitPrepareForSleep(bool sleeping) {
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.DBus.Mock", "EmitSignal");
    call << QString("org.freedesktop.login1.Manager") << QString("PrepareForSleep") << QString("b")
         << QVariantList{QVariant::fromValue(QDBusVariant(sleeping))};
    const QDBusMessage reply = bus.connection().call(call);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
  }

  // The (what, mode) pairs of the inhibitors logind holds.
  std::vector<std::pair<QString, QString>> inhibitors() {
    std::vector<std::pair<QString, QString>> found;
    for (const auto& lock : voltaro::testing::listInhibitors(bus.connection())
                                .value_or(std::vector<voltaro::testing::Inhibitor>{})) {
      found.emplace_back(lock.what, lock.mode);
    }
    return found;
  }

  voltaro::testing::PrivateBus bus{"voltaro-test-bus"};
};

TEST_F(LogindPowerEventsTest, SuspendThenResumeWithTheDelayLockAroundThem) {
  LogindPowerEvents events(bus.connection());
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
  ASSERT_TRUE(waitUntil([&] { return seen.size() == 1; }));
  EXPECT_EQ(seen[0], PowerEvent::Suspend);
  EXPECT_EQ(locksDuringHandler[0], 1u);  // the sleep waits for the handler
  EXPECT_FALSE(events.holdsInhibitor());
  EXPECT_TRUE(waitUntil([&] { return inhibitors().empty(); })) << "the lock was not released";

  emitPrepareForSleep(false);
  ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; }));
  EXPECT_EQ(seen[1], PowerEvent::ResumeSuspend);
  EXPECT_TRUE(events.holdsInhibitor());
  EXPECT_EQ(inhibitors(), sleepDelay);
}

TEST_F(LogindPowerEventsTest, NoLockLeftWhenTheListenerGoes) {
  {
    LogindPowerEvents events(bus.connection());
    ASSERT_TRUE(events.start());
    ASSERT_EQ(inhibitors().size(), 1u);
  }
  EXPECT_TRUE(waitUntil([&] { return inhibitors().empty(); }));
}

TEST(LogindPowerEventsWithoutBus, StartFailsOnADisconnectedBus) {
  LogindPowerEvents events(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "none"));
  EXPECT_FALSE(events.start());
  EXPECT_FALSE(events.holdsInhibitor());
}

}  // namespace
}  // namespace voltaro::platform
