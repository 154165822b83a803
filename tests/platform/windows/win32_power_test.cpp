// The Windows power service: what standby, hibernation, power-off and
// restart hand to the system (through replaced calls, so nothing suspends or
// ends the session), and the real priority class under wine.
#include "platform/windows/win32_power.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

struct Recorded {
  std::vector<std::vector<int>> suspends;  // hibernate, force, wake events off
  std::vector<std::pair<unsigned, unsigned long>> exits;
  bool answer = true;
};
Recorded recorded;

PowerCalls recordingCalls() {
  return {[](unsigned char hibernate, unsigned char force, unsigned char wake) -> unsigned char {
            recorded.suspends.push_back({hibernate, force, wake});
            return recorded.answer;
          },
          [](unsigned flags, unsigned long reason) -> int {
            recorded.exits.emplace_back(flags, reason);
            if (!recorded.answer) SetLastError(ERROR_ACCESS_DENIED);
            return recorded.answer;
          }};
}

class Win32PowerTest : public ::testing::Test {
 protected:
  void SetUp() override { recorded = {}; }
  Win32Power power{recordingCalls()};
};

TEST_F(Win32PowerTest, StandbyAndHibernationPassForceAndKeepWakeEvents) {
  EXPECT_TRUE(power.suspend(true));
  EXPECT_TRUE(power.hibernate(false));
  recorded.answer = false;
  EXPECT_FALSE(power.suspend(false));
  EXPECT_EQ(recorded.suspends, (std::vector<std::vector<int>>{{0, 1, 0}, {1, 0, 0}, {0, 0, 0}}));
}

TEST_F(Win32PowerTest, PowerOffAndRestartAreForcedAndPlanned) {
  const auto off = power.powerOff();
  const auto restart = power.reboot();
  if (!off.requested) GTEST_SKIP() << "no shut-down privilege here: " << off.error;
  EXPECT_TRUE(off.error.empty());
  EXPECT_TRUE(restart.requested);
  ASSERT_EQ(recorded.exits.size(), 2u);
  EXPECT_EQ(recorded.exits[0], std::make_pair(0xCu, 0x80000000ul));  // POWEROFF | FORCE
  EXPECT_EQ(recorded.exits[1], std::make_pair(0x6u, 0x80000000ul));  // REBOOT | FORCE
}

TEST_F(Win32PowerTest, RefusedShutdownCarriesTheSystemMessage) {
  recorded.answer = false;
  const auto off = power.powerOff();
  EXPECT_FALSE(off.requested);
  EXPECT_FALSE(off.error.empty());
  EXPECT_NE(off.error.back(), '\n');
}

TEST_F(Win32PowerTest, PriorityClassFollowsTheSetting) {
  ASSERT_TRUE(power.setProcessPriority(ProcessPriority::Idle));
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(IDLE_PRIORITY_CLASS));
  ASSERT_TRUE(power.setProcessPriority(ProcessPriority::High));
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
  ASSERT_TRUE(power.setProcessPriority(ProcessPriority::Normal));
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

}  // namespace
}  // namespace voltaro::platform::windows
