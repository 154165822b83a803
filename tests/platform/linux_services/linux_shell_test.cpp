#include "platform/linux_services/linux_shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "fakes/temporary_folder.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::platform::linux_services {
namespace {

namespace fs = std::filesystem;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "linux_shell_test";
    static char* argv[] = {name, nullptr};
    app_ = new QCoreApplication(argc, argv);
  }
  void TearDown() override { delete app_; }

 private:
  QCoreApplication* app_ = nullptr;
};

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Counts the message pumps a wait performs.
class CountingRuntime : public sim::VirtualRuntime {
 public:
  void processMessages() override {
    ++pumps;
    VirtualRuntime::processMessages();
  }
  int pumps = 0;
};

TEST(CrLfLines, EveryLineEndsInCrLf) {
  EXPECT_EQ(toCrLfLines("a\nb"), "a\r\nb\r\n");
  EXPECT_EQ(toCrLfLines("a\r\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(toCrLfLines("\n\n"), "\r\n\r\n");
  EXPECT_EQ(toCrLfLines(""), "");
}

TEST(LinuxShell, CapturesStandardOutputOnly) {
  CountingRuntime runtime;
  LinuxShell shell(runtime);
  EXPECT_EQ(shell.captureOutput("sh", {"-c", "printf 'one\\ntwo\\n'; echo err >&2"}, "x.txt"),
            "one\r\ntwo\r\n");
  EXPECT_EQ(shell.captureOutput("/nonexistent/program", {}, "x.txt"), "");
}

TEST(LinuxShell, RunAndWaitWaitsPumpingMessagesAndIgnoresTheExitCode) {
  CountingRuntime runtime;
  LinuxShell shell(runtime);
  const voltaro::testing::TemporaryFolder temporary;
  const fs::path& folder = temporary.path();

  EXPECT_TRUE(
      shell.runAndWait(false, "sh", {"-c", "sleep 0.3; pwd > where.txt; exit 3"}, folder.string()));
  // The file exists once runAndWait returns: it waited for the end.
  std::ifstream where(folder / "where.txt");
  std::string line;
  std::getline(where, line);
  EXPECT_EQ(fs::path(line), folder);
  EXPECT_GT(runtime.pumps, 5);

  EXPECT_FALSE(shell.runAndWait(false, "/nonexistent/program", {}, ""));
}

}  // namespace
}  // namespace voltaro::platform::linux_services
