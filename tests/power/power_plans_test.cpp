#include "power/power_plans.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_power.h"
#include "platform/sim/sim_shell.h"
#include "power/powercfg_tool.h"

namespace voltaro::power {
namespace {

using ::testing::ElementsAre;

class MenuHooks : public PowerHooks {
 public:
  void rebuildPowerPlanMenu(const std::vector<PowerPlanEntry>& plans) override {
    ++rebuilds;
    menu = plans;
  }
  void enablePowerPlanMenu(bool enabled) override { menuEnabled = enabled; }
  void waitForMonitoringIdle() override { ++idleWaits; }

  int rebuilds = 0;
  int idleWaits = 0;
  bool menuEnabled = false;
  std::vector<PowerPlanEntry> menu;
};

std::string scheme(const std::string& guid, const std::string& name, bool active) {
  return "Power Scheme GUID: " + guid + "  (" + name + ")" + (active ? " *" : "") + "\r\n";
}

const std::string kA = "11111111-1111-1111-1111-111111111111";
const std::string kB = "22222222-2222-2222-2222-222222222222";
const std::string kC = "33333333-3333-3333-3333-333333333333";

class PowerPlansTest : public ::testing::Test {
 protected:
  void list(int activeIndex) {
    tool.listing = scheme(kA, "Balanced", activeIndex == 1) +
                   scheme(kB, "High performance", activeIndex == 2) +
                   scheme(kC, "Power saver", activeIndex == 3);
  }
  platform::sim::SimPowerPlanTool tool;
  MenuHooks hooks;
  PowerPlans plans{tool, hooks};
};

TEST_F(PowerPlansTest, RebuildsTheMenuOnlyWhenTheListingChanges) {
  list(2);
  EXPECT_TRUE(plans.refreshPowerPlans());
  ASSERT_EQ(hooks.menu.size(), 3u);
  EXPECT_FALSE(hooks.menu[0].active);
  EXPECT_TRUE(hooks.menu[1].active);
  EXPECT_TRUE(hooks.menuEnabled);

  EXPECT_FALSE(plans.refreshPowerPlans());
  EXPECT_EQ(hooks.rebuilds, 1);

  list(3);
  EXPECT_TRUE(plans.refreshPowerPlans());
  EXPECT_EQ(hooks.rebuilds, 2);
  EXPECT_TRUE(hooks.menu[2].active);

  tool.listing.clear();  // the tool could not run
  EXPECT_TRUE(plans.refreshPowerPlans());
  EXPECT_TRUE(hooks.menu.empty());
  EXPECT_FALSE(hooks.menuEnabled);
}

TEST_F(PowerPlansTest, ClickingAnotherPlanActivatesItAndRefreshesAfterTheTick) {
  list(1);
  plans.refreshPowerPlans();
  tool.calls.clear();
  plans.PopupItemClick(0);  // already active
  EXPECT_TRUE(tool.calls.empty());

  plans.PopupItemClick(2);
  EXPECT_THAT(tool.calls, ElementsAre("activatePlan " + kC + " ", "listPlans"));
  EXPECT_EQ(hooks.idleWaits, 1);

  plans.PopupItemClick(7);  // no such item
  EXPECT_EQ(tool.calls.size(), 2u);
}

TEST_F(PowerPlansTest, FindActivePlanNamesTheLastMarkedPlanOrNone) {
  list(0);
  EXPECT_EQ(plans.findActivePlan(), (ActivePlan{"none", 0}));
  list(2);
  EXPECT_EQ(plans.findActivePlan(), (ActivePlan{"High performance", 2}));
  tool.listing =
      scheme(kA, "Balanced", true) + scheme(kB, "Other", false) + scheme(kC, "Power saver", true);
  EXPECT_EQ(plans.findActivePlan(), (ActivePlan{"Power saver", 3}));
}

TEST(PowercfgTool, RunsTheCommandLinesOfTheSystemTool) {
  platform::sim::SimShell shell;
  shell.outputs["powercfg"] = scheme(kA, "Balanced", true);
  PowercfgTool tool(shell);
  EXPECT_EQ(tool.listPlans(), scheme(kA, "Balanced", true));
  tool.activatePlan(kB + " ");
  EXPECT_EQ(tool.enableStandby(), platform::PowerSettingChange::Made);
  EXPECT_EQ(tool.setHibernateEnabled(true), platform::PowerSettingChange::Made);
  EXPECT_THAT(shell.calls, ElementsAre("capture powercfg -list > powercfg.txt",
                                       "run elevated POWERCFG -SETACTIVE " + kB + " ",
                                       "run elevated powercfg -x -standby-timeout-dc 30",
                                       "run elevated powercfg -x -standby-timeout-ac 30",
                                       "run elevated powercfg -hibernate on"));
  shell.startSucceeds = false;  // elevation declined
  EXPECT_EQ(tool.enableStandby(), platform::PowerSettingChange::NotStarted);
  EXPECT_EQ(tool.setHibernateEnabled(true), platform::PowerSettingChange::NotStarted);
}

}  // namespace
}  // namespace voltaro::power
