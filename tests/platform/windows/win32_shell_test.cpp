// The Windows shell: command-line quoting, and programs run and waited for
// under wine (cmd.exe), with their output captured through a transient file.
#include "platform/windows/win32_shell.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

// Counts the message rounds of a wait; no timers are needed here.
class CountingRuntime final : public Runtime {
 public:
  DayTime now() const override { return 0; }
  std::uint32_t tickCount() const override { return GetTickCount(); }
  std::unique_ptr<Timer> createTimer() override { return nullptr; }
  void processMessages() override { ++rounds; }
  void sleep(std::uint32_t milliseconds) override { Sleep(milliseconds); }
  void waitForEvents(std::uint32_t milliseconds) override { Sleep(milliseconds); }
  int rounds = 0;
};

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Win32ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    folder = std::string(temp) + "voltaro-shell-" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  }
  void TearDown() override {
    for (const char* name : {"made.txt", "lines.txt", "powercfg.txt"}) {
      DeleteFileA((folder + name).c_str());
    }
    RemoveDirectoryA(folder.c_str());
  }

  CountingRuntime runtime;
  std::string folder;
};

TEST(JoinCommandLineTest, QuotesOnlyWhatTheParserWouldSplitOrEat) {
  EXPECT_EQ(joinCommandLine({"-x", "-standby-timeout-dc", "0"}), "-x -standby-timeout-dc 0");
  EXPECT_EQ(joinCommandLine({"a b", ""}), R"("a b" "")");
  EXPECT_EQ(joinCommandLine({R"(say "hi")"}), R"("say \"hi\"")");
  EXPECT_EQ(joinCommandLine({R"(C:\dir\)"}), R"(C:\dir\)");
  EXPECT_EQ(joinCommandLine({R"(C:\my dir\)"}), R"("C:\my dir\\")");
  EXPECT_EQ(joinCommandLine({R"(x\"y)"}), R"("x\\\"y")");
}

TEST_F(Win32ShellTest, RunsInTheWorkingFolderAndWaitsWhilePumpingMessages) {
  Win32Shell shell(runtime, folder);
  ASSERT_TRUE(shell.runAndWait(false, "cmd.exe", {"/C", "echo made> made.txt"}, folder));
  EXPECT_TRUE(exists(folder + "made.txt"));  // written before the wait ended
  EXPECT_GE(runtime.rounds, 1);
}

TEST_F(Win32ShellTest, ExitCodeThatReadsAsStillActiveDoesNotHangTheWait) {
  Win32Shell shell(runtime, folder);
  EXPECT_TRUE(shell.runAndWait(false, "cmd.exe", {"/C", "exit 259"}, ""));
}

TEST_F(Win32ShellTest, ProgramThatCannotStartIsReportedAtOnce) {
  Win32Shell shell(runtime, folder);
  EXPECT_FALSE(shell.runAndWait(false, "voltaro-no-such-program.exe", {}, ""));
  EXPECT_EQ(runtime.rounds, 0);
}

TEST_F(Win32ShellTest, CapturedOutputComesBackAsCrLfLinesAndTheFileGoes) {
  {
    std::ofstream lines(folder + "lines.txt", std::ios::binary);
    lines << "Existing Power Schemes\nfirst\r\nlast";
  }
  Win32Shell shell(runtime, folder);
  EXPECT_EQ(shell.captureOutput("type", {"lines.txt"}, "powercfg.txt"),
            "Existing Power Schemes\r\nfirst\r\nlast\r\n");
  EXPECT_FALSE(exists(folder + "powercfg.txt"));
  EXPECT_EQ(shell.captureOutput("type", {"voltaro-missing.txt"}, "powercfg.txt"), "");
  EXPECT_FALSE(exists(folder + "powercfg.txt"));
}

}  // namespace
}  // namespace voltaro::platform::windows
