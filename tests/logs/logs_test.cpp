#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_shell.h"
#include "fakes/faulty_file_calls.h"
#include "fakes/temporary_folder.h"
#include "logs/calibration_log.h"
#include "logs/discharge_log.h"
#include "logs/log_stamp.h"
#include "logs/log_viewer.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::logs {
namespace {

namespace fs = std::filesystem;
using view::Page;
using Lines = std::vector<std::string>;

TEST(LogStamp, DayFirstDateAndUnpaddedHour) {
  EXPECT_EQ(logStamp(toDayTime({2026, 3, 1, 8, 5, 9})).date, "1/3/2026");
  EXPECT_EQ(logStamp(toDayTime({2026, 3, 1, 8, 5, 9})).time, "8:05:09");
  EXPECT_EQ(logStamp(toDayTime({2025, 12, 25, 17, 45, 0})).date, "25/12/2025");
  EXPECT_EQ(logStamp(toDayTime({2025, 12, 25, 17, 45, 0})).time, "17:45:00");
  EXPECT_EQ(logStamp(toDayTime({2025, 12, 25, 0, 0, 0})).time, "0:00:00");
}

TEST(LogStamp, RegionalShortDatePatterns) {
  const CivilDateTime march{2026, 3, 1, 8, 5, 9};
  EXPECT_EQ(formatShortDate(march, "dd.MM.yyyy"), "01.03.2026");
  EXPECT_EQ(formatShortDate(march, "M/d/yy"), "3/1/26");
  EXPECT_EQ(formatShortDate(march, "yyyy-MM-dd"), "2026-03-01");
  EXPECT_EQ(formatShortDate({2009, 11, 30}, "d 'de' M 'y' yy''"), "30 de 11 y 09'");
  setShortDatePattern("dd.MM.yyyy");
  EXPECT_EQ(logStamp(toDayTime(march)).date, "01.03.2026");
  EXPECT_EQ(logStamp(toDayTime(march)).time, "8:05:09");
  setShortDatePattern("");
  EXPECT_EQ(logStamp(toDayTime(march)).date, "1/3/2026");
}

class LogsTest : public ::testing::Test {
 protected:
  LogsTest() {
    dataFolder = temporary_.folder();
    texts.set(Page::Information, "Manufacturer", "Keldwick");
    texts.set(Page::Information, "Device Name", "KB-45");
  }

  std::string file(const char* name) const { return dataFolder + name; }
  // The raw text, so that the CR LF line ends are checked too.
  std::string raw(const char* name) const {
    const auto bytes = readFileBytes(file(name));
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
  }
  Lines lines(const char* name) const { return readTextLines(file(name)).value_or(Lines{}); }
  void onBattery(float percent) {
    live.onPower = false;
    live.chargePercent[static_cast<std::size_t>(slots.currentSlot - 1)] = percent;
  }
  void seconds(std::uint64_t count) { runtime.advance(count * 1000); }

  voltaro::testing::TemporaryFolder temporary_;
  std::string dataFolder;
  battery::SlotTable slots;
  battery::LiveStatus live;
  view::ShownTexts texts;
  health::HealthRecord record;
  platform::sim::VirtualRuntime runtime;  // 1 January 2026, 8:00:00
  fakes::FakeErrorReport errors;
  DischargeLog discharge{{slots, live, texts, dataFolder, runtime, errors}};
  CalibrationLog calibration{{slots, texts, record, dataFolder, runtime, errors}};
};

TEST_F(LogsTest, ANewDischargeLogStartsWithItsHeaderAndFirstEntry) {
  slots.currentSlot = 2;
  onBattery(87.5f);
  discharge.step();

  EXPECT_EQ(raw("voltarolog.txt"),
            "Voltaro v9.2 - Discharge log file\r\n"
            " \r\n"
            "Battery 2 ID:  Keldwick KB-45\r\n"
            "Sampling rate: 5 seconds\r\n"
            " \r\n"
            "1/1/2026\t8:00:00\t87.5 % \r\n");
  EXPECT_EQ(discharge.lastLevel(), 88);
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(LogsTest, TheRegionalDateChangesOnlyTheDateOfAnEntry) {
  setShortDatePattern("yyyy-MM-dd");
  onBattery(87.5f);
  discharge.step();
  setShortDatePattern("");
  EXPECT_EQ(lines("voltarolog.txt").back(), "2026-01-01\t8:00:00\t87.5 % ");
}

TEST_F(LogsTest, EntriesFollowWholePercentChangesWithTheTimeBetweenThem) {
  onBattery(87.4f);
  discharge.step();
  seconds(5);
  onBattery(86.6f);  // still 87
  discharge.step();
  EXPECT_EQ(lines("voltarolog.txt").size(), 6u);

  seconds(60);  // 65 s after the first entry
  onBattery(86.4f);
  discharge.step();
  seconds(59);
  onBattery(85.0f);
  discharge.step();

  const Lines log = lines("voltarolog.txt");
  ASSERT_EQ(log.size(), 8u);
  EXPECT_EQ(log[6], "1/1/2026\t8:01:05\t86.4 %     1 min 5 sec");
  EXPECT_EQ(log[7], "1/1/2026\t8:02:04\t85.0 %     59 sec");
}

TEST_F(LogsTest, PluggingInKeepsOneDischargeAndTheOneBefore) {
  onBattery(90.0f);
  discharge.step();
  live.onPower = true;
  discharge.step();
  EXPECT_FALSE(fileExists(file("voltarolog.txt")));
  EXPECT_EQ(lines("voltarologold.txt").size(), 6u);
  discharge.step();  // nothing left to move
  EXPECT_EQ(lines("voltarologold.txt").size(), 6u);

  // Unplugged again: a fresh log, even at the level last written.
  discharge.markUnplugged();
  seconds(3600);
  onBattery(90.0f);
  discharge.step();
  seconds(5);
  onBattery(89.0f);
  discharge.step();
  live.onPower = true;
  discharge.step();

  const Lines old = lines("voltarologold.txt");
  ASSERT_EQ(old.size(), 7u);
  EXPECT_EQ(old[5], "1/1/2026\t9:00:00\t90.0 % ");
  EXPECT_EQ(old[6], "1/1/2026\t9:00:05\t89.0 %     5 sec");
}

TEST_F(LogsTest, AnEntryWithoutAnEarlierOneInThisRunHasTheShortForm) {
  ASSERT_TRUE(writeTextLines(file("voltarolog.txt"), {"from an earlier run"}));
  onBattery(70.0f);
  discharge.step();
  seconds(30);
  onBattery(69.0f);
  discharge.resetEntryTime();  // "Discharge Log" switched on again
  discharge.step();

  EXPECT_EQ(lines("voltarolog.txt"), (Lines{"from an earlier run", "1/1/2026\t8:00:00\t70.0 % ",
                                            "1/1/2026\t8:00:30\t69.0 % "}));
}

TEST_F(LogsTest, ALastingRotationFailureIsReportedOnce) {
  onBattery(90.0f);
  discharge.step();
  // A folder with content under the old log's name cannot be replaced.
  fs::create_directories(file("voltarologold.txt"));
  ASSERT_TRUE(writeTextLines(file("voltarologold.txt") + "/keep", {"x"}));
  live.onPower = true;
  discharge.step();
  discharge.step();

  EXPECT_EQ(errors.messages.size(), 1u);
  EXPECT_TRUE(fileExists(file("voltarolog.txt")));

  fs::remove_all(file("voltarologold.txt"));
  discharge.step();
  EXPECT_TRUE(fileExists(file("voltarologold.txt")));
  // Working again, so the next failure is reported afresh.
  onBattery(80.0f);
  discharge.step();
  fs::remove(file("voltarologold.txt"));
  fs::create_directories(file("voltarologold.txt"));
  ASSERT_TRUE(writeTextLines(file("voltarologold.txt") + "/keep", {"x"}));
  live.onPower = true;
  discharge.step();
  EXPECT_EQ(errors.messages.size(), 2u);
}

TEST_F(LogsTest, CalibrationLogRecordsEachEventUnderOneHeader) {
  calibration.write(CalibrationLogEvent::Started);
  seconds(3600);
  calibration.write(CalibrationLogEvent::Stopped);
  record.calibrations = 3;
  texts.set(Page::Information, "Full Charged Capacity", "45,000");
  texts.set(Page::Calibrate, "Wear Level", "10.00");
  slots.currentSlot = 2;  // the header is written once, for the battery of its day
  calibration.write(CalibrationLogEvent::Completed);
  calibration.write(CalibrationLogEvent::Capacity);

  EXPECT_EQ(raw("calibrationlog.txt"),
            "Voltaro v9.2 - Calibration log file\r\n"
            " \r\n"
            "Battery 1 ID:  Keldwick KB-45\r\n"
            " \r\n"
            "Started @ 1/1/2026 8:00:00\r\n"
            "Stopped @ 1/1/2026 9:00:00\r\n"
            " \r\n"
            "Completed @ 1/1/2026 9:00:00\r\n"
            "Total calibrations: 3\r\n"
            "Full Charged Capacity: 45,000 mWh\r\n"
            "Wear Level: 10.00 %\r\n"
            " \r\n");
}

// A disc that fills up while the log runs: no part of an entry stays behind,
// the fault is reported once, and the log goes on by itself once there is
// room again, with the time since the last entry that was written.
TEST_F(LogsTest, AFullDiscLeavesWholeEntriesAndTheLogResumesByItself) {
  onBattery(90.0f);
  discharge.step();
  const std::string before = raw("voltarolog.txt");
  fakes::FaultyFileCalls calls;
  calls.limitSpace(10);  // less than one entry
  for (float percent : {89.0f, 88.0f}) {
    seconds(5);
    onBattery(percent);
    discharge.step();
  }
  EXPECT_EQ(raw("voltarolog.txt"), before);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("No space left on device"), std::string::npos);

  calls.unlimitSpace();
  seconds(5);
  discharge.step();
  EXPECT_EQ(raw("voltarolog.txt"), before + "1/1/2026\t8:00:15\t88.0 %     15 sec\r\n");
}

TEST_F(LogsTest, CalibrationLogThatCannotBeWrittenIsReportedOnce) {
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(dataFolder);
  EXPECT_FALSE(calibration.write(CalibrationLogEvent::Started));
  EXPECT_FALSE(calibration.write(CalibrationLogEvent::Stopped));
  EXPECT_EQ(errors.messages.size(), 1u);
  EXPECT_FALSE(fileExists(file("calibrationlog.txt")));
}

TEST_F(LogsTest, ViewersOpenTheLogThatExists) {
  fakes::FakeShell shell;
  LogViewer viewer(dataFolder, shell);
  viewer.viewDischargeLog();
  viewer.viewCalibrationLog();
  EXPECT_TRUE(shell.edited.empty());

  ASSERT_TRUE(writeTextLines(file("voltarologold.txt"), {"old"}));
  viewer.viewDischargeLog();
  ASSERT_TRUE(writeTextLines(file("voltarolog.txt"), {"current"}));
  viewer.viewDischargeLog();
  ASSERT_TRUE(writeTextLines(file("calibrationlog.txt"), {"calibration"}));
  shell.startSucceeds = false;  // an editor that fails to start is not reported
  viewer.viewCalibrationLog();

  EXPECT_EQ(shell.edited,
            (Lines{file("voltarologold.txt"), file("voltarolog.txt"), file("calibrationlog.txt")}));
  EXPECT_TRUE(shell.opened.empty()) << "a log opens in the text editor, not by its type";
  EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
}  // namespace voltaro::logs
