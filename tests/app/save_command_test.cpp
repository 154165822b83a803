// The Save command on each page, and the text of its two reports.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/window_harness.h"
#include "common/file_io.h"
#include "fakes/faulty_file_calls.h"
#include "frontend/main_window/battery_reports.h"

namespace voltaro::testing {
namespace {

using app::PageNumber;
namespace fs = std::filesystem;

class SaveCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(harness.start(), 0);
    harness.runtime.advance(3000);  // monitoring has started and read the battery
    ASSERT_EQ(harness.engine().slots().batteryCount, 1);
  }
  void showPage(int button) { harness.click(button, 45, 45); }
  void save() { harness.click(8, 45, 45); }
  std::string data(const std::string& name) { return harness.engine().dataFolder() + name; }

  TemporaryFolder documents;
  WindowHarness harness{documents.path()};
};

TEST_F(SaveCommandTest, HomePageOnlyRefuses) {
  showPage(11);
  harness.audio.played.clear();
  save();
  ASSERT_EQ(harness.audio.played.size(), 2U);  // the click, then the refusal
  EXPECT_EQ(harness.audio.played[1], platform::Clip::Refusal);
  EXPECT_TRUE(harness.fileDialogs.saveRequests.empty());
}

TEST_F(SaveCommandTest, SettingsAndAlertsPagesSaveTheSettings) {
  fs::remove(data("voltaro.ini"));
  showPage(3);
  save();
  EXPECT_TRUE(fs::exists(data("voltaro.ini")));
  EXPECT_EQ(harness.window.statusText(), "Settings have been saved");
  showPage(4);
  save();
  EXPECT_EQ(harness.window.statusText(), "Alerts have been saved");
}

TEST_F(SaveCommandTest, GraphScreenshotsTakeTheFirstFreeNumber) {
  showPage(2);
  save();
  save();
  save();
  EXPECT_TRUE(fs::exists(data("VTshot1.jpg")));
  EXPECT_TRUE(fs::exists(data("VTshot2.jpg")));
  EXPECT_TRUE(fs::exists(data("VTshot3.jpg")));
  EXPECT_EQ(harness.window.statusText(), "VTshot3.jpg saved OK");
  fs::remove(data("VTshot2.jpg"));
  save();
  EXPECT_TRUE(fs::exists(data("VTshot2.jpg")));
  EXPECT_EQ(harness.window.statusText(), "VTshot2.jpg saved OK");
  EXPECT_FALSE(harness.engine().monitor().busy()) << "the busy flag is given back";
}

// Nothing is said to be saved that was not: each page's Save says so, and the
// folder's lasting fault is reported once for the settings file.
TEST_F(SaveCommandTest, ReadOnlyDataFolderSavesNothingAndSaysSo) {
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(harness.engine().dataFolder());
  showPage(3);
  save();
  EXPECT_EQ(harness.window.statusText(), "Settings could not be saved");
  showPage(4);
  save();
  EXPECT_EQ(harness.window.statusText(), "Alerts could not be saved");
  EXPECT_EQ(harness.errors.messages.size(), 1u);

  showPage(2);
  save();
  EXPECT_EQ(harness.window.statusText(), "VTshot1.jpg could not be saved");
  EXPECT_FALSE(fs::exists(data("VTshot1.jpg")));
  EXPECT_FALSE(harness.engine().monitor().busy());

  showPage(1);
  harness.fileDialogs.answer = data("BatteryInfo.txt");
  save();
  EXPECT_FALSE(fs::exists(data("BatteryInfo.txt")));
  ASSERT_EQ(harness.errors.messages.size(), 3u);
  EXPECT_NE(harness.errors.messages[2].find("Read-only file system"), std::string::npos);
}

TEST_F(SaveCommandTest, InformationPageWritesTheReportTheUserNames) {
  const std::string path = (documents.path() / "report.txt").string();
  harness.fileDialogs.answer = path;
  save();  // the Information page is shown at start
  ASSERT_EQ(harness.fileDialogs.saveRequests.size(), 1U);
  const view::FileDialogRequest& request = harness.fileDialogs.saveRequests[0];
  EXPECT_EQ(request.title, "Save the Battery Information");
  EXPECT_EQ(request.fileName, "BatteryInfo");
  EXPECT_EQ(request.defaultExtension, "txt");
  EXPECT_TRUE(request.confirmOverwrite);
  const auto lines = readTextLines(path);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 24U);  // four header lines and twenty fields
  EXPECT_EQ((*lines)[0], "Voltaro v9.2 - Battery #1 Information");
  EXPECT_EQ((*lines)[2], "");
  const std::string designed =
      harness.engine().texts().get(view::Page::Information, "Designed Capacity");
  EXPECT_EQ((*lines)[13], "Designed Capacity\t" + designed + "mWh");
  EXPECT_EQ((*lines)[23],
            "Time\t\t\t" + harness.engine().texts().get(view::Page::LeftColumn, "Time"));
}

TEST_F(SaveCommandTest, ACancelledDialogWritesNothing) {
  showPage(5);
  save();
  ASSERT_EQ(harness.fileDialogs.saveRequests.size(), 1U);
  EXPECT_EQ(harness.fileDialogs.saveRequests[0].title, "Save the calibration and wear data");
  EXPECT_FALSE(fs::exists(data("CalibrationData.txt")));
}

TEST(CalibrationReport, AnotherBatteryThanThePrimaryNamesTheOneToSelect) {
  view::ShownTexts texts;
  texts.set(view::Page::Calibrate, "Wear Level", "12.50");
  const frontend::main_window::ReportHeader header{2, "8/12/2026"};
  const auto other = frontend::main_window::calibrationDataReport(texts, header, false, 1);
  EXPECT_EQ(other, (std::vector<std::string>{"Voltaro v9.2 - Battery #2 Calibration Data",
                                             "8/12/2026", "", "", "Select battery #1 !"}));
  const auto own = frontend::main_window::calibrationDataReport(texts, header, true, 2);
  ASSERT_EQ(own.size(), 12U);
  EXPECT_EQ(own[9], "Wear Level\t\t\t12.50%");
  EXPECT_EQ(own[5], "Latest Calibration\t\td") << "a value never shown stays empty";
  texts.set(view::Page::Calibrate, "Latest Calibration", "None");
  EXPECT_EQ(frontend::main_window::calibrationDataReport(texts, header, true, 2)[5],
            "Latest Calibration\t\tNone");
}

}  // namespace
}  // namespace voltaro::testing
