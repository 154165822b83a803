// voltaroctl plans on a listing of the simulated tool, and against the mocked
// power-profiles-daemon on a private bus.
#include "plans_command.h"

#include <optional>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QDBusMessage>
#include <QDBusVariant>
#include <algorithm>
#include <sstream>

#include "command_run.h"
#include "fakes/dbusmock_bus.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "platform/sim/sim_power.h"

namespace voltaro::tools {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::QtEnvironment);

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result run(platform::PowerPlanTool& tool, std::optional<std::string> set = std::nullopt,
           bool json = false) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = runPlans(tool, {std::move(set), json}, out, err);
  return {status, out.str(), err.str()};
}

// The words the command line refuses before any plan service is asked.
int usageStatus(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  return runPlansCommand(args, out, err);
}

platform::sim::SimPowerPlanTool threePlans() {
  platform::sim::SimPowerPlanTool tool;
  tool.format = platform::PlanListingFormat::PowerProfiles;
  tool.listing = "  performance:\r\n* balanced:\r\n  power-saver:\r\n";
  return tool;
}

TEST(PlansCommand, ListsThePlansWithTheActiveOneChecked) {
  auto tool = threePlans();
  const Result r = run(tool);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "[ ] performance\n[x] balanced\n[ ] power-saver\n");
}

TEST(PlansCommand, JsonListsThePlansAndNamesTheActiveOne) {
  auto tool = threePlans();
  const Result r = run(tool, std::nullopt, true);
  ASSERT_EQ(r.status, 0) << r.err;
  const auto listing = nlohmann::json::parse(r.out);
  ASSERT_EQ(listing["plans"].size(), 3u);
  EXPECT_EQ(listing["plans"][2]["name"], "power-saver");
  EXPECT_EQ(listing["plans"][2]["active"], false);
  EXPECT_EQ(listing["active"], "balanced");
}

TEST(PlansCommand, WithoutPlansSaysSo) {
  platform::sim::SimPowerPlanTool tool;
  tool.format = platform::PlanListingFormat::PowerProfiles;
  const Result r = run(tool);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No power plans (the submenu is disabled)\n");
}

TEST(PlansCommand, AnUnknownNameOrAPlanThatStaysInactiveFails) {
  auto tool = threePlans();
  Result r = run(tool, "turbo");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no power plan named 'turbo'"), std::string::npos);
  // The simulated tool records the switch but its listing does not change.
  r = run(tool, "performance");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(tool.calls.back(), "listPlans");
  EXPECT_NE(std::find(tool.calls.begin(), tool.calls.end(), "activatePlan performance"),
            tool.calls.end());
  EXPECT_EQ(usageStatus({"set"}), 2);
  EXPECT_EQ(usageStatus({"sets", "balanced"}), 2);
}

class PlansOnTheDaemon : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
    bus_ = std::make_unique<voltaro::testing::PrivateBus>("voltaroctl-plans-test");
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

TEST_F(PlansOnTheDaemon, ListsTheProfilesAndSwitchesOne) {
  platform::linux_services::DbusPowerProfilesTool tool(bus_->connection());
  Result r = run(tool);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "[ ] power-saver\n[x] balanced\n[ ] performance\n");

  r = run(tool, "performance");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(activeProfile(), "performance");
  EXPECT_EQ(r.out, "[ ] power-saver\n[ ] balanced\n[x] performance\n");
}

}  // namespace
}  // namespace voltaro::tools
