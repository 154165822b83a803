// The overlapped status and estimate requests of the Win32 battery driver:
// issue, poll without waiting, cancel and close, alone and driven by the
// battery code's request cycle, against the replaying seam.
#include <gtest/gtest.h>

#include "battery/request_cycle.h"
#include "platform/windows/recorded_answers.h"
#include "platform/windows/replay_device_io.h"
#include "platform/windows/win32_battery_driver.h"

namespace voltaro::platform::windows {
namespace {

using testing::Bytes;
using testing::IoAnswer;
using testing::ReplayDeviceIo;

class Win32RequestTest : public ::testing::Test {
 protected:
  ReplayDeviceIo io;
  Win32BatteryDriver driver{io};
  DeviceHandle handle = driver.open("\\\\?\\battery", OpenFlags::Overlapped);
  std::array<std::uint8_t, kStatusBytes> status{};
  std::array<std::uint8_t, kValueBytes> estimate{};

  IssueOutcome issueStatus() {
    return driver.issueStatus(handle, RequestId::Status, {7, 0, 0, 0, 0});
  }
  IssueOutcome issueEstimate() {
    return driver.issueInformation(handle, RequestId::Estimate, {7, InfoLevel::EstimatedTime, 0},
                                   kValueBytes);
  }
};

TEST_F(Win32RequestTest, StatusRequestGoesPendingOnItsOwnUnsignalledManualResetEvent) {
  io.answers = {IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  ASSERT_EQ(io.ioCalls.size(), 1u);
  const auto& call = io.ioCalls[0];
  EXPECT_EQ(call.code, testing::kQueryStatusCode);
  EXPECT_EQ(call.input, (Bytes{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(call.outSize, 16u);
  ASSERT_NE(call.overlapped, nullptr);
  ASSERT_NE(call.overlapped->hEvent, nullptr);
  EXPECT_FALSE(call.eventWasSignalled);

  // Manual reset: once signalled, the event stays signalled for every waiter.
  SetEvent(call.overlapped->hEvent);
  EXPECT_EQ(WaitForSingleObject(call.overlapped->hEvent, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(call.overlapped->hEvent, 0), WAIT_OBJECT_0);
}

TEST_F(Win32RequestTest, PollNeverWaitsAndDeliversTheRecordedStatusOnCompletion) {
  io.answers = {IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Pending);
  io.complete(0, testing::kDischargingStatusAnswer);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Completed);
  EXPECT_EQ(decodeStatus(status), (BatteryStatusRecord{kDischarging, 38250, 11820, -9120}));

  ASSERT_EQ(io.polls.size(), 3u);
  for (const auto& poll : io.polls) {
    EXPECT_FALSE(poll.wait);
    EXPECT_EQ(poll.device, reinterpret_cast<HANDLE>(handle));
    EXPECT_EQ(poll.overlapped, io.ioCalls[0].overlapped);
  }
  // The result has been taken: there is nothing left to poll.
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Failed);
  EXPECT_EQ(io.polls.size(), 3u);
}

TEST_F(Win32RequestTest, ShortStatusAnswerReadsAsZerosBeyondWhatTheDriverWrote) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  io.complete(0, testing::kChargingStatusAnswer);
  ASSERT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Completed);
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  io.complete(1, Bytes(testing::kDischargingStatusAnswer.begin(),
                       testing::kDischargingStatusAnswer.begin() + 8));
  ASSERT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Completed);
  EXPECT_EQ(decodeStatus(status), (BatteryStatusRecord{kDischarging, 38250, 0, 0}));
}

TEST_F(Win32RequestTest, EstimateRequestUsesTheOtherRecordAndKeepsUnwrittenBytes) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  ASSERT_EQ(issueEstimate(), IssueOutcome::Pending);
  const auto& call = io.ioCalls[1];
  EXPECT_EQ(call.code, testing::kQueryInformationCode);
  EXPECT_EQ(call.input, (Bytes{7, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(call.outSize, 4u);
  EXPECT_NE(call.overlapped, io.ioCalls[0].overlapped);
  EXPECT_NE(call.overlapped->hEvent, io.ioCalls[0].overlapped->hEvent);

  io.complete(1, testing::kEstimatedTimeAnswer);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Estimate, estimate), PollOutcome::Completed);
  EXPECT_EQ(decodeValue(estimate), 7260u);
}

TEST_F(Win32RequestTest, AnswerAtOnceOrRefusalIsNotPending) {
  io.answers = {IoAnswer::complete(testing::kDischargingStatusAnswer),
                IoAnswer::fail(ERROR_INVALID_FUNCTION)};
  EXPECT_EQ(issueStatus(), IssueOutcome::CompletedAtOnce);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Failed);
  EXPECT_EQ(issueEstimate(), IssueOutcome::Failed);
  EXPECT_EQ(driver.poll(RequestId::Estimate, estimate), PollOutcome::Failed);
  EXPECT_TRUE(io.polls.empty());
  EXPECT_EQ(driver.issueStatus(kInvalidHandle, RequestId::Status, {}), IssueOutcome::Failed);
  EXPECT_EQ(driver.issueInformation(handle, RequestId::Estimate, {}, 257), IssueOutcome::Failed);
  EXPECT_EQ(io.ioCalls.size(), 2u);
}

TEST_F(Win32RequestTest, DriverFailureWhilePendingEndsTheRequest) {
  io.answers = {IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  io.failPending(0);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Failed);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Failed);
  EXPECT_EQ(io.polls.size(), 1u);
}

TEST_F(Win32RequestTest, CancelIoStopsEveryRequestOnTheHandle) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  ASSERT_EQ(issueEstimate(), IssueOutcome::Pending);
  driver.cancelIo(handle);
  ASSERT_EQ(io.cancels.size(), 1u);
  EXPECT_EQ(io.cancels[0], reinterpret_cast<HANDLE>(handle));
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Failed);
  EXPECT_EQ(driver.poll(RequestId::Estimate, estimate), PollOutcome::Failed);
  EXPECT_TRUE(io.closed.empty());  // cancelling leaves the handle open
}

TEST_F(Win32RequestTest, ClosingWithAPendingRequestCancelsItBeforeTheHandleGoes) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  LPOVERLAPPED first = io.ioCalls[0].overlapped;
  driver.close(handle);
  ASSERT_EQ(io.cancels.size(), 1u);
  ASSERT_EQ(io.closed.size(), 1u);
  EXPECT_EQ(driver.retiredRequestsForTesting(), 0u);  // the replay cancels at once

  handle = driver.open("\\\\?\\battery", OpenFlags::Overlapped);
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Pending);
  EXPECT_EQ(io.ioCalls[1].overlapped, first);  // finished with: the record is reused
}

TEST_F(Win32RequestTest, RecordTheSystemStillHoldsIsSetAsideUntilItIsDone) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending()};
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  // A new issue without a close: the first request is still with the driver.
  ASSERT_EQ(issueStatus(), IssueOutcome::Pending);
  EXPECT_NE(io.ioCalls[1].overlapped, io.ioCalls[0].overlapped);
  EXPECT_EQ(driver.retiredRequestsForTesting(), 1u);
  EXPECT_EQ(WaitForSingleObject(io.ioCalls[0].overlapped->hEvent, 0), WAIT_TIMEOUT);

  io.complete(0, testing::kChargingStatusAnswer);  // lands in the set-aside record
  io.complete(1, testing::kDischargingStatusAnswer);
  EXPECT_EQ(driver.poll(RequestId::Status, status), PollOutcome::Completed);
  EXPECT_EQ(decodeStatus(status)->capacity, 38250u);
  EXPECT_EQ(driver.retiredRequestsForTesting(), 0u);
}

// The battery code's request cycle on this driver: ten polls at most.
class Win32RequestCycleTest : public Win32RequestTest {
 protected:
  battery::BatteryRequests requests;
  battery::RequestCycle cycle{driver, requests};
};

TEST_F(Win32RequestCycleTest, RequestsCompletingOnTheThirdPollAreDoneOnTheThirdTick) {
  io.answers = {IoAnswer::pending(testing::kDischargingStatusAnswer, 3),
                IoAnswer::pending(testing::kEstimatedTimeAnswer, 3)};
  for (int tick = 1; tick <= 3; ++tick) {
    cycle.stepStatus(handle, 7);
    cycle.stepEstimate(handle, 7);
    EXPECT_EQ(requests.status.done, tick == 3) << tick;
  }
  EXPECT_TRUE(requests.estimate.done);
  EXPECT_EQ(requests.status.pollsLeft, 7);
  EXPECT_EQ(cycle.statusReading(), (BatteryStatusRecord{kDischarging, 38250, 11820, -9120}));
  EXPECT_EQ(cycle.estimateResult(), 7260u);
  EXPECT_EQ(io.ioCalls.size(), 2u);
}

TEST_F(Win32RequestCycleTest, RequestThatNeverCompletesIsAbandonedOnItsTenthPoll) {
  io.answers = {IoAnswer::pending(), IoAnswer::pending(testing::kEstimatedTimeAnswer, 1)};
  for (int tick = 1; tick <= 9; ++tick) {
    cycle.stepStatus(handle, 7);
    cycle.stepEstimate(handle, 7);
  }
  EXPECT_FALSE(requests.status.abandoned);
  cycle.stepStatus(handle, 7);
  EXPECT_TRUE(requests.status.abandoned);
  EXPECT_TRUE(requests.estimate.done);
  EXPECT_EQ(io.polls.size(), 11u);  // ten for the status, one for the estimate

  // The cycle ends: closing the handle stops the abandoned request with it.
  driver.close(handle);
  EXPECT_EQ(io.cancels.size(), 1u);
}

TEST_F(Win32RequestCycleTest, DriverThatAnswersAtOnceGetsBothRequestsAbandoned) {
  io.answers = {IoAnswer::complete(testing::kDischargingStatusAnswer),
                IoAnswer::complete(testing::kEstimatedTimeAnswer)};
  cycle.stepStatus(handle, 7);
  cycle.stepEstimate(handle, 7);
  EXPECT_TRUE(requests.bothAbandoned());
  EXPECT_EQ(cycle.statusReading(), BatteryStatusRecord{});  // delivers nothing
  EXPECT_TRUE(io.polls.empty());
}

}  // namespace
}  // namespace voltaro::platform::windows
