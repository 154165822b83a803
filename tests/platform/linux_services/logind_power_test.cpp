// LogindPower against a mocked logind on a private bus. The power requests
// reach only the mock: the connection is made to the private bus by address,
// never to the system bus.
#include "platform/linux_services/logind_power.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <memory>

#include "alerts/system_actions.h"
#include "fakes/dbusmock_bus.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_shell.h"

namespace voltaro::platform::linux_services {
namespace {

using ::testing::ElementsAre;

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::QtEnvironment);

class LogindPowerTest : public ::testing::Test {
 protected:
  void startLogind(const std::string& parameters = "") {
    if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
    bus_ = std::make_unique<voltaro::testing::PrivateBus>("voltaro-logind-power-test");
    ASSERT_TRUE(bus_->start());
    ASSERT_TRUE(bus_->startTemplate("logind", "org.freedesktop.login1", parameters));
  }

  // The names and first arguments of the Manager methods the mock received.
  std::vector<std::string> calls() {
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.DBus.Mock", "GetCalls");
    const QDBusMessage reply = bus_->connection().call(call);
    std::vector<std::string> found;
    if (reply.type() != QDBusMessage::ReplyMessage) return found;
    const auto list = reply.arguments().at(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
      qulonglong time = 0;
      QString method;
      QVariantList args;
      list.beginStructure();
      list >> time >> method >> args;
      list.endStructure();
      std::string entry = method.toStdString();
      if (!args.isEmpty()) {
        entry += args.at(0).toBool() ? " true" : " false";
      }
      found.push_back(entry);
    }
    list.endArray();
    return found;
  }

  std::unique_ptr<voltaro::testing::PrivateBus> bus_;
};

TEST_F(LogindPowerTest, CanChecksAcceptYesAndChallenge) {
  startLogind(R"({"CanSuspend": "yes", "CanHibernate": "challenge", "CanPowerOff": "no"})");
  LogindPower power(bus_->connection());
  EXPECT_TRUE(power.canSuspend());
  EXPECT_TRUE(power.canHibernate());
  EXPECT_FALSE(power.canShutdown());
}

TEST_F(LogindPowerTest, NotAvailableCountsAsNotAllowed) {
  startLogind(R"({"CanSuspend": "na", "CanHibernate": "no"})");
  LogindPower power(bus_->connection());
  EXPECT_FALSE(power.canSuspend());
  EXPECT_FALSE(power.canHibernate());
}

TEST_F(LogindPowerTest, RequestsReachTheManagerInteractively) {
  startLogind();
  LogindPower power(bus_->connection());
  EXPECT_TRUE(power.suspend(true));
  EXPECT_TRUE(power.hibernate(false));
  EXPECT_TRUE(power.powerOff().requested);
  EXPECT_TRUE(power.reboot().requested);
  EXPECT_THAT(calls(),
              ElementsAre("Suspend true", "Hibernate true", "PowerOff true", "Reboot true"));
}

TEST_F(LogindPowerTest, TrayPowerItemsFollowWhatLogindAllows) {
  startLogind(R"({"CanSuspend": "no", "CanHibernate": "yes", "CanPowerOff": "no"})");
  LogindPower power(bus_->connection());
  sim::SimDisplay display;
  sim::SimPowerPlanTool planTool;
  sim::SimShell shell;
  fakes::FakeAudio audio;
  fakes::FakeErrorReport errors;
  fakes::FakeStatusLine status;
  const settings::AppSettings settings;
  alerts::SystemActions actions(display, audio, power, planTool, shell, settings, status, errors);
  actions.trayStandby();   // not allowed: a beep and hibernation instead
  actions.trayShutDown();  // not allowed: nothing
  actions.trayRestart();   // asked without a check
  EXPECT_THAT(calls(), ElementsAre("CanSuspend", "CanHibernate", "Hibernate true", "CanPowerOff",
                                   "Reboot true"));
  EXPECT_TRUE(errors.messages.empty());
}

TEST(LogindPowerWithoutService, AnswersNoAndRequestsFail) {
  if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "dbus-daemon is missing";
  voltaro::testing::PrivateBus bus("voltaro-logind-empty-bus");
  ASSERT_TRUE(bus.start());
  LogindPower power(bus.connection());
  EXPECT_FALSE(power.canSuspend());
  EXPECT_FALSE(power.suspend(false));
  const PowerRequestResult result = power.powerOff();
  EXPECT_FALSE(result.requested);
  EXPECT_TRUE(result.error.empty());
}

TEST(NiceValues, FollowThePriorityClasses) {
  EXPECT_EQ(niceValueFor(ProcessPriority::Idle), 19);
  EXPECT_EQ(niceValueFor(ProcessPriority::Normal), 0);
  EXPECT_EQ(niceValueFor(ProcessPriority::High), -10);
  EXPECT_EQ(niceValueFor(ProcessPriority::RealTime), -20);
}

}  // namespace
}  // namespace voltaro::platform::linux_services
