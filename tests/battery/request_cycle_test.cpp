#include <gtest/gtest.h>

#include "battery_rig.h"

namespace voltaro::battery {
namespace {

using platform::RequestId;
using platform::sim::SimRequestBehaviour;
using platform::sim::SimRequestMode;
using view::Page;

class RequestCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.driver.setBattery(1, 17);
    rig.driver.battery(1).status = {platform::kDischarging, 30000, 11100, -12000};
    rig.start();
    rig.access.config0(true);
  }
  void behave(RequestId id, SimRequestMode mode, int polls = 1) {
    rig.driver.setRequestBehaviour(id, SimRequestBehaviour{mode, polls});
  }
  BatteryRig rig;
};

TEST_F(RequestCycleTest, NeverCompletingRequestIsAbandonedOnItsTenthPoll) {
  behave(RequestId::Status, SimRequestMode::Never);
  for (int tick = 1; tick <= 9; ++tick) {
    ASSERT_FALSE(rig.tick());
    EXPECT_FALSE(rig.requests.status.abandoned) << "tick " << tick;
    EXPECT_EQ(rig.requests.status.pollsLeft, 10 - tick);
  }
  // The estimate completed on the first tick; the status request keeps the
  // cycle open until its tenth poll, and the handle stays open meanwhile.
  EXPECT_TRUE(rig.requests.estimate.done);
  EXPECT_NE(rig.slots.statusHandle, platform::kInvalidHandle);
  EXPECT_EQ(rig.driver.openCount(), 3);  // scan, config0, one status handle

  rig.access.readstatus();
  EXPECT_TRUE(rig.requests.status.abandoned);
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), 10);
  EXPECT_TRUE(rig.access.bothRequestsFinished());
  EXPECT_FALSE(rig.access.bothRequestsAbandoned());  // no recovery: the estimate was done
  EXPECT_EQ(rig.slots.statusHandle, platform::kInvalidHandle);
  EXPECT_EQ(rig.driver.openHandleCount(), 0);
  EXPECT_FALSE(rig.texts.has(Page::Information, "Current Capacity"));
}

TEST_F(RequestCycleTest, BothNeverCompletingRunsTheRecoveryAfterTenTicks) {
  behave(RequestId::Status, SimRequestMode::Never);
  behave(RequestId::Estimate, SimRequestMode::Never);
  int ticks = 0;
  while (!rig.tick()) ASSERT_LT(++ticks, 20);
  EXPECT_EQ(ticks, 9);  // the tenth tick ends the cycle
  EXPECT_EQ(rig.driver.issueCount(RequestId::Status), 1);
}

TEST_F(RequestCycleTest, DriverCompletingAtOnceAbandonsBothInEveryCycle) {
  behave(RequestId::Status, SimRequestMode::AtOnce);
  behave(RequestId::Estimate, SimRequestMode::AtOnce);
  for (int cycle = 0; cycle < 3; ++cycle) {
    EXPECT_TRUE(rig.tick()) << "cycle " << cycle;
    EXPECT_EQ(rig.slots.statusHandle, platform::kInvalidHandle);
  }
  EXPECT_EQ(rig.driver.pollCount(RequestId::Status), 0);  // nothing is read from them
  EXPECT_FALSE(rig.texts.has(Page::Information, "Current Capacity"));
  EXPECT_EQ(rig.driver.openHandleCount(), 0);
}

TEST_F(RequestCycleTest, FailedIssueIsAbandonedAtOnce) {
  behave(RequestId::Status, SimRequestMode::Fail);
  rig.access.readstatus();
  EXPECT_TRUE(rig.requests.status.abandoned);
  EXPECT_TRUE(rig.requests.estimate.done);
  EXPECT_FALSE(rig.access.bothRequestsAbandoned());  // the estimate came, so no recovery
  EXPECT_EQ(rig.slots.statusHandle, platform::kInvalidHandle);
}

TEST_F(RequestCycleTest, PendingRequestCompletesOnItsThirdPollAndIsReadOnce) {
  behave(RequestId::Status, SimRequestMode::Pending, 3);
  rig.tick();
  rig.tick();
  EXPECT_FALSE(rig.requests.status.done);
  EXPECT_FALSE(rig.texts.has(Page::Information, "Current Capacity"));
  rig.tick();
  EXPECT_EQ(rig.text(Page::Information, "Current Capacity"), "30,000");
  EXPECT_EQ(rig.driver.lastWaitStatus(), (platform::BatteryWaitStatus{17, 0, 0, 0, 0}));
  EXPECT_EQ(rig.driver.lastEstimateQuery(),
            (platform::BatteryQueryInformation{17, platform::InfoLevel::EstimatedTime, 0}));
  // The cycle ended with the third tick and the next tick starts a new one.
  EXPECT_TRUE(rig.requests.status.issue);
  EXPECT_EQ(rig.driver.openCount(), 3);
  rig.tick();
  EXPECT_EQ(rig.driver.openCount(), 4);
  EXPECT_EQ(rig.driver.issueCount(RequestId::Status), 2);
}

TEST_F(RequestCycleTest, CancelledCycleClosesItsHandleBeforeTheNextOpens) {
  behave(RequestId::Status, SimRequestMode::Never);
  rig.tick();
  ASSERT_NE(rig.slots.statusHandle, platform::kInvalidHandle);
  rig.access.cancelStatusRequest();
  EXPECT_EQ(rig.driver.cancelCount(), 1);
  rig.access.restartRequests();  // the battery switch resets the cycle at once
  EXPECT_TRUE(rig.requests.atCycleStart());
  EXPECT_EQ(rig.requests.status.pollsLeft, 10);
  rig.tick();
  EXPECT_EQ(rig.driver.openHandleCount(), 1);  // the old handle was closed first
  rig.access.closeStatusHandle();
  EXPECT_EQ(rig.driver.openHandleCount(), 0);
  rig.access.cancelStatusRequest();  // no handle: nothing to cancel
  EXPECT_EQ(rig.driver.cancelCount(), 1);
}

TEST_F(RequestCycleTest, BatteryPulledDuringACycleIsLostUntilTheNextOne) {
  behave(RequestId::Status, SimRequestMode::Pending, 2);
  behave(RequestId::Estimate, SimRequestMode::Pending, 2);
  rig.tick();
  rig.driver.removeBattery(1);
  int ticks = 1;
  while (!rig.tick()) ASSERT_LT(++ticks, 20);
  EXPECT_EQ(ticks, 9);  // both requests fail their polls and run out of polls
  rig.tick();           // the next cycle finds no tag
  EXPECT_FALSE(rig.slots.slot(1).batteryPresent);
  EXPECT_EQ(rig.driver.openHandleCount(), 0);
}

}  // namespace
}  // namespace voltaro::battery
