// DbusPowerProfilesTool against the mocked power-profiles-daemon (its older
// bus name net.hadess.PowerProfiles) on a private bus, read back through the
// same listing parser the plan menu uses.
#include "platform/linux_services/dbus_power_profiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusVariant>
#include <memory>

#include "fakes/dbusmock_bus.h"
#include "power/plan_listing.h"
#include "power/power_plans.h"

namespace voltaro::platform::linux_services {
namespace {

using power::PowerPlanEntry;
using ::testing::ElementsAre;

class DbusPowerProfilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
    bus_ = std::make_unique<voltaro::testing::PrivateBus>("voltaro-profiles-test");
    ASSERT_TRUE(bus_->start());
    ASSERT_TRUE(bus_->startTemplate("power_profiles_daemon", "net.hadess.PowerProfiles"));
  }

  QString activeProfile() {
    QDBusMessage call =
        QDBusMessage::createMethodCall("net.hadess.PowerProfiles", "/net/hadess/PowerProfiles",
                                       "org.freedesktop.DBus.Properties", "Get");
    call << QString("net.hadess.PowerProfiles") << QString("ActiveProfile");
    const QDBusMessage reply = bus_->connection().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage) return {};
    return reply.arguments().at(0).value<QDBusVariant>().variant().toString();
  }

  std::unique_ptr<voltaro::testing::PrivateBus> bus_;
};

TEST_F(DbusPowerProfilesTest, ListsTheProfilesWithTheActiveOneMarked) {
  DbusPowerProfilesTool tool(bus_->connection());
  const std::string listing = tool.listPlans();
  EXPECT_THAT(power::parsePlanListing(tool.listingFormat(), listing),
              ElementsAre(PowerPlanEntry{"power-saver", "power-saver", false},
                          PowerPlanEntry{"balanced", "balanced", true},
                          PowerPlanEntry{"performance", "performance", false}));
}

TEST_F(DbusPowerProfilesTest, ClickingAPlanSwitchesTheDaemonAndTheMenuFollows) {
  DbusPowerProfilesTool tool(bus_->connection());
  power::PowerHooks hooks;
  power::PowerPlans plans(tool, hooks);
  plans.refreshPowerPlans();
  ASSERT_EQ(plans.plans().size(), 3u);
  plans.PopupItemClick(0);
  EXPECT_EQ(activeProfile(), "power-saver");
  EXPECT_TRUE(plans.plans()[0].active);
  EXPECT_FALSE(plans.plans()[1].active);
  EXPECT_EQ(plans.findActivePlan(), (power::ActivePlan{"power-saver", 1}));
}

TEST(DbusPowerProfilesWithoutDaemon, ListsNothing) {
  if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "dbus-daemon is missing";
  voltaro::testing::PrivateBus bus("voltaro-profiles-empty-bus");
  ASSERT_TRUE(bus.start());
  DbusPowerProfilesTool tool(bus.connection());
  EXPECT_EQ(tool.listPlans(), "");
  tool.activatePlan("balanced");  // nothing to talk to: no effect, no crash
}

}  // namespace
}  // namespace voltaro::platform::linux_services
