// "Launch a Program" on Linux, with a small program that writes its
// arguments to a file: run directly with arguments split as a shell would,
// through a desktop entry, and as the default handler of a text file. The
// desktop's settings are a folder of this test's own (XDG variables set
// before GIO first reads them), so no installed application takes part.
#include "platform/linux_services/desktop_launcher.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace voltaro::platform::linux_services {
namespace {

namespace fs = std::filesystem;

// One folder per process: the tests run in parallel processes of their own.
const fs::path kRoot =
    fs::temp_directory_path() / ("voltaro_desktop_launcher_test_" + std::to_string(getpid()));
const fs::path kPrograms = kRoot / "my programs";  // a blank in the path
const fs::path kWriter = kPrograms / "writer.sh";
const fs::path kOutput = kRoot / "out.txt";

void writeFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

class DesktopFolders : public ::testing::Environment {
 public:
  void SetUp() override {
    fs::remove_all(kRoot);
    writeFile(kWriter, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + kOutput.string() + ".part'\nmv '" +
                           kOutput.string() + ".part' '" + kOutput.string() + "'\n");
    fs::permissions(kWriter, fs::perms::owner_all);
    const std::string entry =
        "[Desktop Entry]\nType=Application\nName=Writer\nExec=\"" + kWriter.string() + "\" ";
    writeFile(kRoot / "writer.desktop", entry + "entry %f\n");
    // The default handler of text files, and nothing else.
    writeFile(kRoot / "data/applications/voltaro-test-viewer.desktop",
              entry + "viewer %f\nMimeType=text/plain;\n");
    writeFile(kRoot / "config/mimeapps.list",
              "[Default Applications]\ntext/plain=voltaro-test-viewer.desktop\n");
    fs::create_directories(kRoot / "system");
    if (fs::exists("/usr/share/mime"))
      fs::create_directory_symlink("/usr/share/mime", kRoot / "system/mime");
    setenv("XDG_DATA_HOME", (kRoot / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (kRoot / "config").c_str(), 1);
    setenv("XDG_DATA_DIRS", (kRoot / "system").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (kRoot / "system").c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
  }
  void TearDown() override { fs::remove_all(kRoot); }
};
const auto* const kFolders = ::testing::AddGlobalTestEnvironment(new DesktopFolders);

// What the writer wrote, once it has; "<nothing>" after five seconds.
std::string written() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!fs::exists(kOutput) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(kOutput);
  if (!in) return "<nothing>";
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  fs::remove(kOutput);
  return text.str();
}

TEST(DesktopLauncherTest, AProgramRunsWithItsArgumentsAndNeverThroughAShell) {
  // The whole line names the program, blank and all.
  LaunchOutcome outcome = launchUserProgram(kWriter.string());
  EXPECT_TRUE(outcome.started) << outcome.error;
  EXPECT_EQ(outcome.way, LaunchWay::Program);
  EXPECT_EQ(written(), "\n");
  // Quoted as a shell would; the ";" and "$HOME" reach the program as text.
  outcome = launchUserProgram("'" + kWriter.string() + "' 'a b' c\\ d ';' '$HOME'");
  EXPECT_TRUE(outcome.started) << outcome.error;
  EXPECT_EQ(written(), "a b\nc d\n;\n$HOME\n");
}

TEST(DesktopLauncherTest, ADesktopEntryLaunchesItsApplication) {
  const LaunchOutcome outcome = launchUserProgram((kRoot / "writer.desktop").string());
  EXPECT_TRUE(outcome.started) << outcome.error;
  EXPECT_EQ(outcome.way, LaunchWay::DesktopEntry);
  EXPECT_EQ(written(), "entry\n");  // %f: no file given, so no argument
}

TEST(DesktopLauncherTest, AnyOtherFileOpensWithItsDefaultHandler) {
  const fs::path note = kRoot / "note.txt";
  writeFile(note, "a plain text note\n");
  const LaunchOutcome outcome = launchUserProgram(note.string());
  EXPECT_TRUE(outcome.started) << outcome.error;
  EXPECT_EQ(outcome.way, LaunchWay::DefaultHandler);
  EXPECT_EQ(written(), "viewer\n" + note.string() + "\n");
}

TEST(DesktopLauncherTest, WhatCannotBeStartedIsAFailure) {
  EXPECT_FALSE(launchUserProgram("/nowhere/program --now").started);
  EXPECT_FALSE(launchUserProgram("   ").started);
  const fs::path blob = kRoot / "data.voltarotest";
  writeFile(blob, std::string("\x7F\x01\x02\x03\x00\xFF\xFE", 7));
  const LaunchOutcome outcome = launchUserProgram(blob.string());  // no handler for its type
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(outcome.error.empty());
  EXPECT_EQ(written(), "<nothing>");
}

}  // namespace
}  // namespace voltaro::platform::linux_services
