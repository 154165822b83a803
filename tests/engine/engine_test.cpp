#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/file_io.h"
#include "engine/engine_harness.h"

namespace voltaro::testing {
namespace {

std::optional<std::uint32_t> readValueFile(const std::string& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes || bytes->size() != 4) return std::nullopt;
  return ByteReader(*bytes).u32();
}

int balloonsSaying(const fakes::FakeTray& tray, const std::string& text) {
  return static_cast<int>(std::count_if(tray.balloons.begin(), tray.balloons.end(),
                                        [&](const auto& b) { return b.text == text; }));
}

class EngineTest : public ::testing::Test {
 protected:
  TemporaryFolder documents;
};

TEST_F(EngineTest, FirstStartShowsTheDischargingBatteryAndKeepsItsHealthRecord) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  EXPECT_TRUE(h.engine().firstRun());
  // The fake folders port uses '/' as its separator on every system.
  EXPECT_EQ(h.engine().dataFolder(), documents.path().string() + "/Keldwick/Voltaro/");

  h.startAndRun(10);
  // 30,000 of 45,000 mWh; 30,000 mWh at 12,000 mW last 9,000 s; 5,000 of
  // 50,000 mWh lost to wear.
  EXPECT_EQ(h.left("Charge"), "67 %");
  EXPECT_EQ(h.left("Time"), "2 h 30 m");
  EXPECT_EQ(h.left("Mode"), "Discharging");
  EXPECT_EQ(h.left("Wear"), "10 %");
  EXPECT_EQ(h.engine().texts().get(view::Page::Information, "Designed Capacity"), "50,000");
  EXPECT_NE(h.tray.hint().find("67"), std::string::npos) << h.tray.hint();
  // Started on battery: the unplugged notice comes once, with the first reading.
  EXPECT_EQ(balloonsSaying(h.tray, "Battery is discharging"), 1);

  const std::string key = h.engine().info().batteryKey;
  ASSERT_FALSE(key.empty());
  EXPECT_EQ(readValueFile(h.dataFile(key)), 50000u);
  EXPECT_TRUE(h.errors.messages.empty());
}

TEST_F(EngineTest, ABacklightThatAppearsAfterTheStartIsFoundWhenMonitoringRestarts) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(3);
  EXPECT_FALSE(h.engine().brightness().available());
  EXPECT_EQ(h.engine().texts().get(view::Page::Alerts, "Brightness Level"), "None");
  h.display.supportedLevels = {20, 60, 100};
  h.powerEvents.fire(platform::PowerEvent::Suspend);
  h.powerEvents.fire(platform::PowerEvent::ResumeSuspend);
  h.run(3);
  EXPECT_TRUE(h.engine().brightness().available());
  EXPECT_EQ(h.engine().texts().get(view::Page::Alerts, "Brightness Level"), "20 %");
}

TEST_F(EngineTest, CountsUsageMinutesAndFullDischargeHundredthsIntoTheRecord) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(3);
  h.driver.battery(1).status.capacity = 29000;  // 64.4 %: below the 67 % reference
  h.run(60);
  const std::string key = h.engine().info().batteryKey;
  EXPECT_EQ(readValueFile(h.dataFile(key + "22")), 1u);
  EXPECT_EQ(readValueFile(h.dataFile(key + "11")), 1u);
  EXPECT_EQ(readValueFile(h.dataFile(key + "55")), 1u);
}

TEST_F(EngineTest, ExitAfterConfirmationSavesSettingsAndTheNextStartIsNotAFirstRun) {
  {
    EngineHarness h(documents.path());
    ASSERT_EQ(h.create(), 0);
    h.startAndRun(2);
    h.engine().settings().WarningLevel = 42;
    h.engine().closeRequest();
    ASSERT_FALSE(h.confirmation.shown.empty());
    EXPECT_EQ(h.confirmation.last().texts.line1, "Close Voltaro?");
    EXPECT_EQ(h.window.quits, 0);
    h.engine().dialog().answerYes();
    EXPECT_EQ(h.window.quits, 1);
    EXPECT_FALSE(h.engine().monitor().tickRunning());
    const auto bytes = readFileBytes(h.dataFile("voltaro.ini"));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 51u);
  }
  EngineHarness again(documents.path());
  ASSERT_EQ(again.create(), 0);
  EXPECT_FALSE(again.engine().firstRun());
  EXPECT_EQ(again.engine().settings().WarningLevel, 42);
}

TEST_F(EngineTest, NoAnswerToTheCloseQuestionKeepsTheProgramRunning) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(2);
  h.engine().closeRequest();
  h.engine().dialog().answerNo();
  EXPECT_EQ(h.window.quits, 0);
  EXPECT_TRUE(h.engine().monitor().tickRunning());
}

TEST_F(EngineTest, WarningFiresOncePerDischargeAndRearmsOnPower) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  h.engine().settings().WarningEnabled = 1;
  h.engine().settings().WarningLevel = 70;  // percent; the battery is at 67 %
  // Monitoring starts 250 ms in; the ticks follow at 1.25 s, 2.25 s, ...
  h.startAndRun(5);
  EXPECT_FALSE(h.engine().alertRules().warningFired());
  h.run(1);  // the fifth tick, at 5.25 s, evaluates the alerts
  EXPECT_TRUE(h.engine().alertRules().warningFired());
  const auto clipsAfterFirst = h.audio.played.size();
  h.run(20);
  EXPECT_EQ(h.audio.played.size(), clipsAfterFirst) << "a fired warning must not repeat";
  h.driver.plug();
  h.run(10);
  EXPECT_FALSE(h.engine().alertRules().warningFired());
}

TEST_F(EngineTest, DischargeLogIsWrittenEveryFifthTickWhenSwitchedOn) {
  EngineHarness h(documents.path());
  ASSERT_EQ(h.create(), 0);
  h.engine().settings().DischargeLog = 1;
  h.startAndRun(4);
  EXPECT_FALSE(fileExists(h.dataFile("voltarolog.txt")));
  h.run(2);
  const auto lines = readTextLines(h.dataFile("voltarolog.txt"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_FALSE(lines->empty());
}

TEST_F(EngineTest, PlugAndUnplugRaiseOneNoticeEach) {
  EngineHarness h(documents.path());
  h.driver.battery(1).status = {platform::kPowerOnLine | platform::kCharging, 30000, 12000, 9000};
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(5);
  EXPECT_EQ(h.left("Mode"), "Charging");
  EXPECT_EQ(balloonsSaying(h.tray, "Battery is discharging"), 0);
  h.driver.unplug();
  h.run(15);
  h.driver.plug();
  h.run(15);
  EXPECT_EQ(balloonsSaying(h.tray, "Battery is discharging"), 1);
  EXPECT_EQ(balloonsSaying(h.tray, "Battery is charging"), 1);
}

TEST_F(EngineTest, CalibrateAndFastDischargeKeysAskTheirFirstQuestions) {
  EngineHarness h(documents.path());
  h.driver.battery(1).status = {platform::kPowerOnLine, 45000, 12600, 0};
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(5);
  ASSERT_TRUE(h.engine().calibratePage().handleKey('c'));
  ASSERT_EQ(h.confirmation.shown.size(), 1u);
  EXPECT_FALSE(h.engine().calibration().calibrating()) << "a question comes first";
  ASSERT_TRUE(h.engine().calibratePage().handleKey('D'));
  ASSERT_EQ(h.confirmation.shown.size(), 2u);
  EXPECT_FALSE(h.engine().fastDischarge().fastDischargeRunning());
  EXPECT_FALSE(h.engine().calibratePage().handleKey('x'));
}

TEST_F(EngineTest, NoDocumentsFolderEndsTheStartWithTheFirstError) {
  EngineHarness h(documents.path());
  h.folders.documents.reset();
  EXPECT_EQ(h.create(), 1);
  ASSERT_FALSE(h.errorBox.shown.empty());
  EXPECT_EQ(h.errorBox.shown.front(), "Error 1: Please run this utility on Windows 7/8/10/11.");
}

// A day on virtual time, from 8:00 on 1 January 2026: charging until full at
// 9:00, unplugged at 10:00 (100 % to 77 % in three entries), plugged in at
// 11:00 and full again at 12:00, unplugged at 18:00 (100 % to 90 %) and on
// battery until 8:00 the next morning. Ticks run at 1.25 s, 2.25 s, ...; the
// discharge log and the cycle check on every fifth, the minute counters on
// every sixtieth (60.25 s, 120.25 s, ...).
TEST_F(EngineTest, ADayOfTwoDischargesLeavesItsLogsHealthFilesAndSettings) {
  EngineHarness h(documents.path());
  auto& status = h.driver.battery(1).status;
  status = {platform::kPowerOnLine | platform::kCharging, 30000, 12000, 9000};
  ASSERT_EQ(h.create(), 0);
  h.engine().settings().DischargeLog = 1;
  const auto at = [&](std::uint64_t seconds) {
    h.runtime.advance(seconds * 1000 - h.runtime.elapsedMilliseconds());
  };
  h.startAndRun(0);
  at(3600);
  status.capacity = 45000;  // full: on line, no longer charging
  at(7200);
  h.driver.unplug();
  at(7210);
  status.capacity = 36000;  // 80.0 %
  at(7230);
  status.capacity = 34650;  // 77.0 %
  at(10800);
  h.driver.plug();
  at(14400);
  status.capacity = 45000;
  at(36000);
  h.driver.unplug();
  at(36005);
  status.capacity = 40500;  // 90.0 %
  at(86400);

  // The simulated battery is Keldwick's "Sim Battery".
  const std::vector<std::string> header = {"Voltaro v9.2 - Discharge log file", " ",
                                           "Battery 1 ID:  Keldwick Sim Battery",
                                           "Sampling rate: 5 seconds", " "};
  auto withHeader = [&](std::vector<std::string> entries) {
    entries.insert(entries.begin(), header.begin(), header.end());
    return entries;
  };
  EXPECT_EQ(readTextLines(h.dataFile("voltarologold.txt")),
            withHeader({"1/1/2026\t10:00:00\t100.0 % ", "1/1/2026\t10:00:10\t80.0 %     10 sec",
                        "1/1/2026\t10:00:30\t77.0 %     20 sec"}));
  EXPECT_EQ(readTextLines(h.dataFile("voltarolog.txt")),
            withHeader({"1/1/2026\t18:00:00\t100.0 % ", "1/1/2026\t18:00:05\t90.0 %     5 sec"}));

  const std::string key = h.engine().info().batteryKey;
  ASSERT_FALSE(key.empty());
  // The designed 50,000 mWh is above the full-charged 45,000.
  EXPECT_EQ(readValueFile(h.dataFile(key)), 50000u);
  // One hundredth for each check that found the level below the reference:
  // 100 -> 80, 80 -> 77 and 100 -> 90.
  EXPECT_EQ(readValueFile(h.dataFile(key + "11")), 3u);
  EXPECT_EQ(readValueFile(h.dataFile(key + "55")), 3u);
  // Minutes on battery: 7,260.25 s to 10,800.25 s is 60 minute ticks, and
  // 36,060.25 s to 86,340.25 s is 839.
  EXPECT_EQ(readValueFile(h.dataFile(key + "22")), 899u);
  EXPECT_EQ(readValueFile(h.dataFile(key + "66")), 839u);
  // Both charges lasted 60 minute ticks; the second is the latest.
  EXPECT_EQ(readValueFile(h.dataFile(key + "77")), 60u);
  // 1 January 2026 is day 46,023 after 30 December 1899.
  EXPECT_EQ(readValueFile(h.dataFile(key + "33")), 46023u);
  EXPECT_FALSE(fileExists(h.dataFile(key + "44")));

  h.engine().closeRequest();
  h.engine().dialog().answerYes();
  ASSERT_EQ(h.window.quits, 1);
  // The fresh defaults with the discharge log switched on (offset 7).
  const std::vector<std::uint8_t> settings = {
      0, 0, 30, 0, 0, 5, 1, 1, 0, 255, 0,   0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 100, 1, 0, 1, 5,
      0, 0, 0,  0, 0, 1, 1, 0, 0, 0,   255, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0,   1, 2, 1};
  EXPECT_EQ(readFileBytes(h.dataFile("voltaro.ini")), settings);
  EXPECT_EQ(readFileBytes(h.dataFile("launch.txt")), (std::vector<std::uint8_t>{'\r', '\n'}));
  EXPECT_TRUE(h.errors.messages.empty());
}

}  // namespace
}  // namespace voltaro::testing
