#include "health/health_commands.h"

#include "common/file_io.h"
#include "fakes/faulty_file_calls.h"
#include "health_fixture.h"

namespace voltaro::health::testing {
namespace {

using view::Page;
using Saves = std::vector<std::pair<std::string, std::uint32_t>>;

class HealthCommandsTest : public HealthTest {
 protected:
  std::string exportPath() const { return dataFolder + "battery1.bin"; }
};

TEST(HealthExportFormat, SixValuesInTheirOffsets) {
  const HealthExport values{1, 0x0000B3C7, 0x01020304, 5, 0x10000000, 50000};
  const std::vector<std::uint8_t> expected{
      0x01, 0x00, 0x00, 0x00,  // calibrations
      0xC7, 0xB3, 0x00, 0x00,  // latest calibration
      0x04, 0x03, 0x02, 0x01,  // full discharge cycles
      0x05, 0x00, 0x00, 0x00,  // cycles since calibration
      0x00, 0x00, 0x00, 0x10,  // usage minutes
      0x50, 0xC3, 0x00, 0x00,  // maximum capacity
  };
  EXPECT_EQ(encodeHealthExport(values), expected);
  EXPECT_EQ(decodeHealthExport(expected), values);
  EXPECT_FALSE(decodeHealthExport(std::span(expected).first(23)).has_value());
}

TEST_F(HealthCommandsTest, ExportThenImportRestoresTheRecordInTheSavingOrder) {
  record = {48000, 1234, 300, kToday - 10, 2, 250, 33, 44};
  ASSERT_TRUE(commands.exporthealth(exportPath()));
  EXPECT_EQ(readFileBytes(exportPath())->size(), kHealthExportBytes);

  record = {1, 1, 1, 1, 1, 1, 33, 44};
  setCapacities(50000, 45000);
  ASSERT_TRUE(commands.importhealth(exportPath()));

  EXPECT_EQ(record, (HealthRecord{48000, 1234, 300, kToday - 10, 2, 250, 33, 44}));
  EXPECT_EQ(
      savedSuffixes(),
      (Saves{{"44", 2}, {"33", kToday - 10}, {"11", 1234}, {"55", 250}, {"22", 300}, {"", 48000}}));
  EXPECT_EQ(text(Page::Calibrate, "Battery Calibrations"), "2");
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "10");
  EXPECT_EQ(text(Page::LeftColumn, "Days"), "10");
  EXPECT_EQ(text(Page::Calibrate, "Full Discharge Cycles"), "12");
  EXPECT_EQ(text(Page::Calibrate, "Cycles since Calibration"), "2");
  EXPECT_EQ(text(Page::Calibrate, "Battery Usage Time"), "5");
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "48,000");
  EXPECT_EQ(text(Page::LeftColumn, "Cycles"), "12");  // the battery reports no count
  // 3,000 below a 48,000 maximum.
  EXPECT_EQ(text(Page::Calibrate, "Maximum Wear Level"), "6.25");
  EXPECT_EQ(text(Page::Information, "Capacity Drop"), "3,000");
}

TEST_F(HealthCommandsTest, ShortMissingOrUnreadableImportFilesAdoptNothing) {
  record = {48000, 1234, 300, kToday - 10, 2, 250, 33, 44};
  const HealthRecord before = record;
  const auto full = encodeHealthExport({9, 9, 9, 9, 9, 9});
  ASSERT_TRUE(replaceFileAtomically(exportPath(), std::span(full).first(23)));

  EXPECT_FALSE(commands.importhealth(exportPath()));
  EXPECT_FALSE(commands.importhealth(dataFolder + "missing.bin"));
  EXPECT_FALSE(commands.importhealth(dataFolder));  // a folder, not a file

  EXPECT_EQ(record, before);
  EXPECT_TRUE(files.saves.empty());
  EXPECT_TRUE(texts.page(Page::Calibrate).empty());
  EXPECT_EQ(errors.messages.size(), 3u);
}

TEST_F(HealthCommandsTest, LoadAsksForABinaryFileInTheDataFolder) {
  commands.loadCommand();  // cancelled
  ASSERT_EQ(fileDialogs.openRequests.size(), 1u);
  const view::FileDialogRequest& request = fileDialogs.openRequests[0];
  EXPECT_EQ(request.title, "Load Calibration Data");
  EXPECT_EQ(request.filter, "Binary file (*.bin)|*.bin");
  EXPECT_EQ(request.defaultExtension, "bin");
  EXPECT_EQ(request.folder, dataFolder);
  EXPECT_TRUE(files.saves.empty());
  EXPECT_TRUE(errors.messages.empty());

  ASSERT_TRUE(replaceFileAtomically(exportPath(), encodeHealthExport({1, 2, 3, 4, 5, 6})));
  fileDialogs.answer = exportPath();
  commands.loadCommand();
  EXPECT_EQ(record.maximumCapacity, 6u);
  EXPECT_TRUE(audio.played.empty());
}

TEST_F(HealthCommandsTest, SaveProposesBattery1AndIsAllowedDuringACalibration) {
  hooks.calibrating = true;
  record.calibrations = 3;
  fileDialogs.answer = exportPath();
  commands.saveCommand();

  ASSERT_EQ(fileDialogs.saveRequests.size(), 1u);
  const view::FileDialogRequest& request = fileDialogs.saveRequests[0];
  EXPECT_EQ(request.title, "Save Calibration Data");
  EXPECT_EQ(request.fileName, "battery1");
  EXPECT_EQ(request.defaultExtension, "bin");
  EXPECT_EQ(request.filter, "Binary file (*.bin)|*.bin");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_EQ(readFileBytes(exportPath())->at(0), 3);
}

TEST_F(HealthCommandsTest, ExportThatCannotBeWrittenIsReported) {
  EXPECT_FALSE(commands.exporthealth(dataFolder + "no/such/folder/x.bin"));
  EXPECT_EQ(errors.messages.size(), 1u);
}

// An import file that cannot be read adopts nothing and says why; one that
// reads is adopted and shown even when the folder cannot take the values,
// each value file's fault reported once; an export to a full disc says why.
TEST_F(HealthCommandsTest, ImportAndExportThroughFileFaults) {
  ASSERT_TRUE(replaceFileAtomically(exportPath(),
                                    encodeHealthExport({2, kToday - 10, 1234, 250, 300, 48000})));
  setCapacities(50000, 45000);
  fakes::FaultyFileCalls calls;
  calls.makeUnreadable(exportPath());
  EXPECT_FALSE(commands.importhealth(exportPath()));
  EXPECT_EQ(record, HealthRecord{});
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("Permission denied"), std::string::npos);

  calls.makeReadable(exportPath());
  calls.makeReadOnly(dataFolder);
  ASSERT_TRUE(commands.importhealth(exportPath()));
  ASSERT_TRUE(commands.importhealth(exportPath()));
  EXPECT_EQ(record.fullDischargeCycles, 1234u);
  EXPECT_EQ(text(Page::Calibrate, "Full Discharge Cycles"), "12");
  EXPECT_EQ(errors.messages.size(), 1u + 6u);

  calls.makeWritable(dataFolder);
  calls.limitSpace(10);
  EXPECT_FALSE(commands.exporthealth(dataFolder + "copy.bin"));
  EXPECT_NE(errors.messages.back().find("No space left on device"), std::string::npos);
  EXPECT_FALSE(fileExists(dataFolder + "copy.bin"));
}

TEST_F(HealthCommandsTest, LoadAndResetAreRefusedWhileACalibrationOrFastDischargeRuns) {
  hooks.calibrating = true;
  commands.loadCommand();
  hooks.calibrating = false;
  hooks.fastDischarge = true;
  commands.resetCommand();

  EXPECT_TRUE(fileDialogs.openRequests.empty());
  EXPECT_EQ(audio.played,
            (std::vector<platform::Clip>{platform::Clip::Refusal, platform::Clip::Refusal}));
  ASSERT_EQ(hooks.asked.size(), 2u);
  for (const auto& asked : hooks.asked) {
    EXPECT_EQ(asked.code, 43);
    EXPECT_EQ(asked.mode, view::ConfirmationMode::Ok);
    EXPECT_EQ(asked.texts,
              (view::ConfirmationTexts{"Information", "Stop the calibration and the fast discharge",
                                       "processes in order to change the battery data!", ""}));
  }
}

TEST_F(HealthCommandsTest, LoadAndResetAreRefusedForAnotherBattery) {
  slots.currentSlot = 2;
  settings.PlaySounds = 0;
  commands.resetCommand();
  commands.loadCommand();

  EXPECT_TRUE(audio.played.empty());  // sounds are off
  EXPECT_TRUE(fileDialogs.openRequests.empty());
  ASSERT_EQ(hooks.asked.size(), 2u);
  EXPECT_EQ(hooks.asked[0].texts,
            (view::ConfirmationTexts{"Information", "Select Battery 1 in order",
                                     "to load/reset the battery data!", ""}));
  EXPECT_EQ(hooks.asked[0].code, 43);
}

TEST_F(HealthCommandsTest, LoadAndResetAreRefusedWithoutABattery) {
  slots.batteryCount = 0;
  commands.loadCommand();
  commands.resetCommand();
  EXPECT_EQ(audio.played.size(), 2u);
  EXPECT_TRUE(fileDialogs.openRequests.empty());
  EXPECT_TRUE(hooks.asked.empty());
}

TEST_F(HealthCommandsTest, ResetAsksFirstAndThenZeroesTheRecordKeepingTheTimes) {
  commands.resetCommand();
  ASSERT_EQ(hooks.asked.size(), 1u);
  EXPECT_EQ(hooks.asked[0].code, 45);
  EXPECT_EQ(hooks.asked[0].mode, view::ConfirmationMode::YesNo);
  EXPECT_EQ(hooks.asked[0].texts,
            (view::ConfirmationTexts{"Confirmation",
                                     "Do you want to reset the calibration/wear data?", "", ""}));
  EXPECT_TRUE(files.saves.empty());

  record = {60000, 1234, 300, kToday - 10, 2, 250, 33, 44};
  setCapacities(50000, 45000);
  batteryInfo.information.cycleCount = 80;
  commands.resethealth();

  EXPECT_EQ(record, (HealthRecord{45000, 0, 0, kToday, 0, 0, 33, 44}));
  EXPECT_EQ(savedSuffixes(),
            (Saves{{"44", 0}, {"33", kToday}, {"11", 0}, {"55", 0}, {"22", 0}, {"", 45000}}));
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "45,000");
  EXPECT_EQ(text(Page::Calibrate, "Maximum Wear Level"), "0.00");
  EXPECT_EQ(text(Page::Information, "Capacity Drop"), "5,000");
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "0");
  EXPECT_FALSE(texts.has(Page::LeftColumn, "Cycles"));  // the battery counts its own
}

TEST_F(HealthCommandsTest, ResetAnsweredAfterABatterySwitchIsRefused) {
  commands.resetCommand();
  slots.currentSlot = 2;  // switched while the question was open
  record.maximumCapacity = 60000;
  setCapacities(30000, 20000);
  commands.resethealth();

  EXPECT_EQ(record.maximumCapacity, 60000u);
  EXPECT_TRUE(files.saves.empty());
  EXPECT_EQ(hooks.asked.back().code, 43);
}

}  // namespace
}  // namespace voltaro::health::testing
