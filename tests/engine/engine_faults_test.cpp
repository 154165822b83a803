// The whole engine while its files fail: a data folder that turns read-only
// or full, health and settings files that cannot be read. Monitoring goes on
// and nothing the user has is written over.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

#include "common/file_io.h"
#include "engine/engine_harness.h"
#include "fakes/faulty_file_calls.h"
#include "health/value_files.h"

namespace voltaro::testing {
namespace {

namespace fs = std::filesystem;

class EngineFaultsTest : public ::testing::Test {
 protected:
  std::string dataFolder() const { return documents.path().string() + "/Keldwick/Voltaro/"; }
  std::vector<std::uint8_t> bytes(const std::string& name) const {
    return readFileBytes(dataFolder() + name).value_or(std::vector<std::uint8_t>{});
  }
  void write(const std::string& name, const std::vector<std::uint8_t>& content) const {
    fs::create_directories(dataFolder());
    ASSERT_TRUE(replaceFileAtomically(dataFolder() + name, content));
  }
  // How often each file was reported: reports name their file first.
  static std::map<std::string, int> reportsPerFile(const fakes::FakeErrorReport& errors) {
    std::map<std::string, int> counts;
    for (const std::string& message : errors.messages) {
      const auto open = message.find('"');
      ++counts[message.substr(open + 1, message.find('"', open + 1) - open - 1)];
    }
    return counts;
  }

  TemporaryFolder documents;
};

// Fresh defaults with "Warning Level" 42, "Auto Run" off and the discharge
// log on.
std::vector<std::uint8_t> storedSettings() {
  return {0, 0, 42, 0, 0, 5, 0, 1, 0, 255, 0,   0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 100, 1, 0, 1, 5,
          0, 0, 0,  0, 0, 1, 1, 0, 0, 0,   255, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0,   1, 2, 1};
}

// Twenty seconds of a read-only folder, then twenty of a full disc, in the
// middle of a discharge: history, alerts and the critical action go on, the
// log resumes by itself with whole entries, and each fault of a file is
// reported once.
TEST_F(EngineFaultsTest, AReadOnlyOrFullDataFolderNeverStopsTheTick) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  auto& settings = h.engine().settings();
  settings.DischargeLog = 1;
  settings.CriticalEnabled = 1;
  settings.CriticalLevel = 60;
  settings.CritSystemStandby = 1;
  auto& status = h.driver.battery(1).status;
  h.startAndRun(10);
  const std::string log = h.dataFile("voltarolog.txt");
  const auto logBefore = readTextLines(log);
  ASSERT_TRUE(logBefore.has_value());

  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(h.engine().dataFolder());
  const int redrawsBefore = h.graph.redraws;
  status.capacity = 29000;  // 64.4 %
  h.run(10);
  status.capacity = 26550;  // 59.0 %: below the critical level
  h.run(10);
  EXPECT_EQ(h.graph.redraws - redrawsBefore, 4) << "a history sample every fifth tick";
  EXPECT_EQ(std::count(h.power.calls.begin(), h.power.calls.end(), "suspend normal"), 1);
  EXPECT_EQ(readTextLines(log), logBefore);

  calls.makeWritable(h.engine().dataFolder());
  status.capacity = 26000;  // 57.8 %
  h.run(5);
  calls.limitSpace(20);     // less than one entry, after the health files' 8 bytes
  status.capacity = 25000;  // 55.6 %
  h.run(10);
  calls.unlimitSpace();
  status.capacity = 24500;  // 54.4 %
  h.run(5);

  const auto lines = readTextLines(log);
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), logBefore->size() + 2);
  const std::regex entry("1/1/2026\t8:00:[0-9]{2}\t[0-9]+\\.[0-9] %     [0-9]+ sec");
  EXPECT_TRUE(std::regex_match((*lines)[lines->size() - 2], entry)) << (*lines)[lines->size() - 2];
  EXPECT_TRUE(std::regex_match(lines->back(), entry)) << lines->back();
  EXPECT_NE((*lines)[lines->size() - 2].find("57.8 %"), std::string::npos);
  EXPECT_NE(lines->back().find("54.4 %"), std::string::npos);

  ASSERT_FALSE(h.errors.messages.empty());
  for (const auto& [file, count] : reportsPerFile(h.errors)) {
    EXPECT_LE(count, 2) << file << ": once per fault";
  }
  EXPECT_EQ(reportsPerFile(h.errors)[log], 2);
  EXPECT_FALSE(h.engine().monitor().busy());
}

// Ten minutes of ticks never write over "11" and "22" that cannot be read;
// the minutes and hundredths counted meanwhile are added once they read.
TEST_F(EngineFaultsTest, UnreadableCountersKeepTheirBytesThroughTenMinutesOfTicks) {
  std::string key;
  {
    EngineHarness first(documents.path());
    ASSERT_EQ(first.create(), 0);
    first.startAndRun(3);
    key = first.engine().info().batteryKey;
  }
  ASSERT_FALSE(key.empty());
  write(key + "11", health::encodeValueFile(12345));
  write(key + "22", health::encodeValueFile(9000));
  fakes::FaultyFileCalls calls;
  calls.makeUnreadable(dataFolder() + key + "11");
  calls.makeUnreadable(dataFolder() + key + "22");

  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  auto& status = h.driver.battery(1).status;
  h.startAndRun(0);
  for (int drop = 0; drop < 3; ++drop) {
    status.capacity -= 450;  // one percent of 45,000 mWh
    h.run(200);
  }
  calls.makeReadable(dataFolder() + key + "11");
  calls.makeReadable(dataFolder() + key + "22");
  EXPECT_EQ(bytes(key + "11"), health::encodeValueFile(12345));
  EXPECT_EQ(bytes(key + "22"), health::encodeValueFile(9000));
  EXPECT_EQ(h.errors.messages.size(), 2u);
  EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Full Discharge Cycles"), "None");

  status.capacity -= 450;
  h.run(60);
  // Hundredths: 100 -> 66 at the first check, then three drops of a percent.
  EXPECT_EQ(bytes(key + "11"), health::encodeValueFile(12345 + 4));
  // Minutes: ticks 60, 120, ..., 600 on battery.
  EXPECT_EQ(bytes(key + "22"), health::encodeValueFile(9000 + 10));
  EXPECT_EQ(h.engine().texts().get(view::Page::Calibrate, "Full Discharge Cycles"), "123");
}

// Fields read from "voltaro.ini" keep their values when "launch.txt" cannot be
// read, and both files come out of the exit as they went in.
TEST_F(EngineFaultsTest, UnreadableLaunchFileLeavesTheSettingsIntactBeforeAndAfterExit) {
  write("voltaro.ini", storedSettings());
  const std::string launch = "/opt/warn-me\r\n";
  write("launch.txt", std::vector<std::uint8_t>(launch.begin(), launch.end()));
  fakes::FaultyFileCalls calls;
  calls.makeUnreadable(dataFolder() + "launch.txt");

  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  EXPECT_FALSE(h.engine().firstRun());
  EXPECT_EQ(h.engine().settings().WarningLevel, 42);
  EXPECT_EQ(h.engine().settings().DischargeLog, 1);
  EXPECT_EQ(h.engine().settings().LaunchProgramPath, "");
  h.startAndRun(2);
  h.engine().exitProcedure();
  ASSERT_EQ(h.window.quits, 1);

  calls.makeReadable(dataFolder() + "launch.txt");
  EXPECT_EQ(bytes("voltaro.ini"), storedSettings());
  EXPECT_EQ(bytes("launch.txt"), std::vector<std::uint8_t>(launch.begin(), launch.end()));
  ASSERT_EQ(h.errors.messages.size(), 1u);
  EXPECT_NE(h.errors.messages[0].find("launch.txt"), std::string::npos);
}

// An unreadable record is not a first run: the defaults in its place neither
// turn autostart on nor reach the disc.
TEST_F(EngineFaultsTest, UnreadableSettingsAreNotAFirstRunAndLeaveAutostartAlone) {
  write("voltaro.ini", storedSettings());
  fakes::FaultyFileCalls calls;
  calls.makeUnreadable(dataFolder() + "voltaro.ini");

  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  EXPECT_FALSE(h.engine().firstRun());
  EXPECT_EQ(h.engine().settings().AutoRun, 1);
  h.startAndRun(2);
  EXPECT_FALSE(h.window.autoRun) << "the default must not switch autostart on";
  h.engine().exitProcedure();
  calls.makeReadable(dataFolder() + "voltaro.ini");
  EXPECT_EQ(bytes("voltaro.ini"), storedSettings());
  EXPECT_FALSE(fs::exists(dataFolder() + "launch.txt"));
  ASSERT_EQ(h.errors.messages.size(), 1u) << "said once, at the start";
  EXPECT_NE(h.errors.messages[0].find("Permission denied"), std::string::npos);
}

// A read-only data folder is the user's folder still: its settings are read
// there, the fault names the folder, and no other folder is taken.
TEST_F(EngineFaultsTest, ReadOnlyDataFolderAtStartIsReadAndReported) {
  write("voltaro.ini", storedSettings());
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(dataFolder());
  EngineHarness h(documents.path());
  h.folders.shared = (documents.path() / "shared").string();
  ASSERT_EQ(h.create(), 0);
  EXPECT_EQ(h.engine().dataFolder(), dataFolder());
  EXPECT_FALSE(h.engine().firstRun());
  EXPECT_EQ(h.engine().settings().WarningLevel, 42);
  ASSERT_FALSE(h.errors.messages.empty());
  EXPECT_NE(h.errors.messages[0].find(dataFolder()), std::string::npos);
  EXPECT_NE(h.errors.messages[0].find("Read-only file system"), std::string::npos);
  EXPECT_FALSE(fs::exists(documents.path() / "shared"));
}

}  // namespace
}  // namespace voltaro::testing
