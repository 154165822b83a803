// The calibration's sleep lock against a mocked logind on a private bus: the
// lock is in logind's list while it is held, and leaves it when released,
// when its owner is destroyed (the program's exit) and when the process
// holding it is killed (its file descriptor is closed by the kernel).
#include "platform/linux_services/logind_sleep_inhibitor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "fakes/dbusmock_bus.h"
#include "fakes/logind_inhibitors.h"

namespace voltaro::platform::linux_services {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::QtEnvironment);

constexpr const char* kHoldFlag = "--hold-sleep-lock";

class LogindSleepInhibitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!voltaro::testing::dbusmockInstalled()) GTEST_SKIP() << "python3-dbusmock is missing";
    bus_ = std::make_unique<voltaro::testing::PrivateBus>("voltaro-sleep-inhibitor-test");
    ASSERT_TRUE(bus_->start());
    ASSERT_TRUE(bus_->startTemplate("logind", "org.freedesktop.login1"));
  }

  // logind's locks as "what who why mode".
  std::vector<std::string> locks() {
    const auto held = voltaro::testing::listInhibitors(bus_->connection());
    if (!held) return {"<no answer>"};
    std::vector<std::string> found;
    for (const auto& lock : *held) {
      found.push_back(
          (lock.what + " " + lock.who + " " + lock.why + " " + lock.mode).toStdString());
    }
    return found;
  }
  bool lockCountBecomes(std::size_t count) {
    return voltaro::testing::waitUntil([&] { return locks().size() == count; });
  }

  std::unique_ptr<voltaro::testing::PrivateBus> bus_;
};

TEST_F(LogindSleepInhibitorTest, TheLockIsHeldUntilReleasedOrItsOwnerIsGone) {
  auto inhibitor = std::make_unique<LogindSleepInhibitor>(bus_->connection());
  EXPECT_TRUE(inhibitor->available());
  EXPECT_TRUE(locks().empty());

  ASSERT_TRUE(inhibitor->hold("calibrating"));
  EXPECT_TRUE(inhibitor->held());
  EXPECT_EQ(locks(), std::vector<std::string>{"idle:sleep Voltaro calibrating block"});
  EXPECT_TRUE(inhibitor->hold("again")) << "already held: no second lock";
  EXPECT_EQ(locks().size(), 1u);

  inhibitor->release();  // stopped or completed
  EXPECT_FALSE(inhibitor->held());
  EXPECT_TRUE(lockCountBecomes(0));

  ASSERT_TRUE(inhibitor->hold("calibrating"));
  EXPECT_TRUE(lockCountBecomes(1));
  inhibitor.reset();  // the program's exit
  EXPECT_TRUE(lockCountBecomes(0));
}

TEST_F(LogindSleepInhibitorTest, AKilledProgramLeavesNoLock) {
  // This test program again, holding the lock until it is killed.
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::string self = "/proc/self/exe";
  std::string flag = kHoldFlag;
  std::string address = bus_->address();
  char* argv[] = {self.data(), flag.data(), address.data(), nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, argv[0], &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  char answer[8] = {};
  EXPECT_GT(read(out[0], answer, sizeof answer - 1), 0);
  close(out[0]);
  EXPECT_STREQ(answer, "held\n");
  EXPECT_EQ(locks().size(), 1u);

  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(lockCountBecomes(0));
}

// The child of AKilledProgramLeavesNoLock.
int holdUntilKilled(const char* address) {
  int argc = 1;
  char name[] = "holder";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  LogindSleepInhibitor inhibitor(QDBusConnection::connectToBus(address, "holder"));
  if (!inhibitor.hold("calibrating")) return 1;
  std::fputs("held\n", stdout);
  std::fflush(stdout);
  for (;;) pause();
}

}  // namespace
}  // namespace voltaro::platform::linux_services

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == voltaro::platform::linux_services::kHoldFlag) {
    return voltaro::platform::linux_services::holdUntilKilled(argv[2]);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
