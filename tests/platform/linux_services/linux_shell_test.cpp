#include "platform/linux_services/linux_shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/linux_services/power_settings_programs.h"

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

TEST(PowerSettingsPrograms, TheRunningDesktopsProgramComesFirstThenTheTablesOrder) {
  const std::vector<PowerSettingsProgram> table = {
      {"ONE", "one-settings", {"power"}, {"power", "--advanced"}},
      {"TWO", "two-settings", {}, {}},
  };
  const auto installed = [](std::set<std::string> names) {
    return [names](std::string_view program) { return names.count(std::string(program)) > 0; };
  };
  using View = PowerSettingsView;
  EXPECT_EQ(choosePowerSettingsCommand(table, "other:two", View::Plans,
                                       installed({"one-settings", "two-settings"})),
            (PowerSettingsCommand{"two-settings", {}}));
  // The running desktop's program is missing: the first installed one.
  EXPECT_EQ(choosePowerSettingsCommand(table, "TWO", View::Advanced, installed({"one-settings"})),
            (PowerSettingsCommand{"one-settings", {"power", "--advanced"}}));
  EXPECT_EQ(choosePowerSettingsCommand(table, "ONE", View::Plans, installed({})), std::nullopt);
}

TEST(LinuxShell, OpensTheInstalledPowerSettingsProgramOrReportsThereIsNone) {
  sim::VirtualRuntime runtime;
  LinuxShell shell(runtime);
  const fs::path folder = fs::temp_directory_path() / "voltaro-power-settings-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const PowerSettingsProgram& first = powerSettingsPrograms().front();
  const fs::path program = folder / std::string(first.program);
  std::ofstream(program) << "#!/bin/sh\necho \"$@\" > " << (folder / "started").string() << "\n";
  fs::permissions(program, fs::perms::owner_all);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(folder.string()));

  EXPECT_TRUE(shell.openPowerSettings(PowerSettingsView::Plans));
  const auto startedFile = folder / "started";
  for (int i = 0; i < 300 && !(fs::exists(startedFile) && fs::file_size(startedFile) > 0); ++i) {
    QThread::msleep(10);
  }
  std::ifstream started(folder / "started");
  std::string arguments;
  std::getline(started, arguments);
  std::string expected;
  for (const std::string& a : first.plansArguments) expected += (expected.empty() ? "" : " ") + a;
  EXPECT_EQ(arguments, expected);

  fs::remove(program);
  EXPECT_FALSE(shell.openPowerSettings(PowerSettingsView::Advanced));
  qputenv("PATH", path);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace voltaro::platform::linux_services
