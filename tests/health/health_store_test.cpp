#include "health/health_store.h"

#include "common/file_io.h"
#include "fakes/faulty_file_calls.h"
#include "health_fixture.h"

namespace voltaro::health::testing {
namespace {

using view::Page;
using Saves = std::vector<std::pair<std::string, std::uint32_t>>;

std::vector<std::uint8_t> fileBytes(const std::string& path) {
  return readFileBytes(path).value_or(std::vector<std::uint8_t>{});
}

void writeBytes(const std::string& path, std::vector<std::uint8_t> bytes) {
  ASSERT_TRUE(replaceFileAtomically(path, bytes));
}

class HealthStoreTest : public HealthTest {};

TEST(ValueFileFormat, IsFourLittleEndianBytes) {
  EXPECT_EQ(encodeValueFile(50000), (std::vector<std::uint8_t>{0x50, 0xC3, 0x00, 0x00}));
  EXPECT_EQ(encodeValueFile(0xA1B2C3D4), (std::vector<std::uint8_t>{0xD4, 0xC3, 0xB2, 0xA1}));
  const std::vector<std::uint8_t> longer{0x01, 0x02, 0x00, 0x00, 0xFF};
  EXPECT_EQ(decodeValueFile(longer), 0x0201u);
  const std::vector<std::uint8_t> shorter{0x01, 0x02, 0x03};
  EXPECT_FALSE(decodeValueFile(shorter).has_value());
}

TEST(WearFormulas, FallBackAndClampAsTheRecordDemands) {
  EXPECT_DOUBLE_EQ(wearLevel(50000, 45000), 10.0);
  EXPECT_DOUBLE_EQ(wearLevel(0, 45000), 0.0);
  EXPECT_DOUBLE_EQ(wearLevel(50000, 52000), 0.0);
  // A maximum below the full-charged capacity falls back to the ordinary wear.
  EXPECT_DOUBLE_EQ(maximumWear(40000, 50000, 45000), 10.0);
  EXPECT_DOUBLE_EQ(maximumWear(60000, 50000, 45000), 25.0);
  EXPECT_EQ(capacityDrop(60000, 50000, 45000), 15000u);
  EXPECT_EQ(capacityDrop(45000, 50000, 45000), 5000u);  // F = M: the designed capacity counts
  EXPECT_EQ(capacityDrop(0, 50000, 52000), 0u);
  EXPECT_EQ(capacityDropWithoutRecord(50000, 50000), 0u);
  EXPECT_EQ(capacityDropWithoutRecord(50000, 49000), 1000u);
}

TEST_F(HealthStoreTest, FirstRunRaisesTheMaximumTwiceAndCreatesTheCalibrationDay) {
  setCapacities(50000, 45000);
  EXPECT_TRUE(store.loadhealth(true));

  EXPECT_EQ(savedSuffixes(), (Saves{{"", 45000}, {"", 50000}, {"33", kToday}}));
  EXPECT_EQ(fileBytes(path("")), (std::vector<std::uint8_t>{0x50, 0xC3, 0x00, 0x00}));
  EXPECT_EQ(fileBytes(path("33")), (std::vector<std::uint8_t>{0xC7, 0xB3, 0x00, 0x00}));
  EXPECT_FALSE(fileExists(path("44")));
  EXPECT_FALSE(fileExists(path("11")));

  EXPECT_EQ(record.maximumCapacity, 50000u);
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "50,000");
  EXPECT_EQ(text(Page::Calibrate, "Wear Level"), "10.00");
  EXPECT_EQ(text(Page::Calibrate, "Maximum Wear Level"), "10.00");
  EXPECT_EQ(text(Page::Information, "Capacity Drop"), "5,000");
  EXPECT_EQ(text(Page::LeftColumn, "Wear"), "10 %");
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "0");
  EXPECT_EQ(text(Page::LeftColumn, "Days"), "0");
  EXPECT_EQ(text(Page::Calibrate, "Battery Calibrations"), "0");
  EXPECT_EQ(text(Page::Calibrate, "Cycles since Calibration"), "0");
  EXPECT_EQ(text(Page::Calibrate, "Calibration"), "Off");
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(HealthStoreTest, FullChargedAboveDesignedGivesNoWear) {
  setCapacities(50000, 52000);
  store.loadhealth(false);

  EXPECT_EQ(savedSuffixes(), (Saves{{"", 52000}, {"33", kToday}}));
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "52,000");
  EXPECT_EQ(text(Page::Calibrate, "Wear Level"), "0.00");
  EXPECT_EQ(text(Page::Calibrate, "Maximum Wear Level"), "0.00");
  EXPECT_EQ(text(Page::Information, "Capacity Drop"), "0");
  EXPECT_EQ(text(Page::LeftColumn, "Wear"), "0 %");
}

TEST_F(HealthStoreTest, StoredMaximumAboveBothCapacitiesIsKeptAndDrivesTheMaximumWear) {
  writeBytes(path(""), encodeValueFile(55000));
  writeBytes(path("33"), encodeValueFile(kToday - 23));
  setCapacities(50000, 45000);
  settings.DigitGrouping = 2;
  store.loadhealth(false);

  EXPECT_TRUE(files.saves.empty());
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "55.000");
  EXPECT_EQ(text(Page::Calibrate, "Maximum Wear Level"), "18.18");
  EXPECT_EQ(text(Page::Calibrate, "Wear Level"), "10.00");
  EXPECT_EQ(text(Page::Information, "Capacity Drop"), "10.000");
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "23");
  EXPECT_EQ(text(Page::LeftColumn, "Days"), "23");

  store.resetWearFigures();  // a new start of monitoring
  EXPECT_EQ(store.figures(), (WearFigures{10.0, 0.0, 0}));
}

// A battery that reports only its percentage has 100 as both capacities: it
// shows no wear figures at all, and the maximum a battery in mWh stored stays.
TEST_F(HealthStoreTest, PercentageOnlyBatteryShowsNoWearAndKeepsTheStoredMaximum) {
  writeBytes(path(""), encodeValueFile(55000));
  setCapacities(100, 100);
  batteryInfo.information.capabilities |= platform::kCapCapacityRelative;
  store.loadhealth(false);
  store.updatewear();

  EXPECT_EQ(savedSuffixes(), (Saves{{"33", kToday}}));
  EXPECT_EQ(record.maximumCapacity, 55000u);
  for (const auto& [page, caption] :
       {std::pair{Page::Calibrate, "Wear Level"}, std::pair{Page::Calibrate, "Maximum Wear Level"},
        std::pair{Page::Calibrate, "Maximum Capacity"},
        std::pair{Page::Information, "Capacity Drop"}, std::pair{Page::LeftColumn, "Wear"}}) {
    EXPECT_EQ(text(page, caption), "None") << caption;
  }
  EXPECT_EQ(store.figures(), WearFigures{});  // no advice to replace the pack
}

TEST_F(HealthStoreTest, FullLoadAlsoReadsTheCountersAndTheCalibrationMarker) {
  writeBytes(path("11"), encodeValueFile(1234));
  writeBytes(path("22"), encodeValueFile(125));
  writeBytes(path("44"), encodeValueFile(3));
  writeBytes(path("55"), encodeValueFile(250));
  writeBytes(path("66"), encodeValueFile(42));
  writeBytes(path("77"), encodeValueFile(90));
  ASSERT_TRUE(writeTextLines(dataFolder + "calib.txt", {"Calibration started"}));
  setCapacities(50000, 50000);

  store.loadhealth(false);
  EXPECT_EQ(text(Page::Calibrate, "Battery Calibrations"), "3");
  EXPECT_EQ(text(Page::Calibrate, "Cycles since Calibration"), "2");
  EXPECT_FALSE(texts.has(Page::Calibrate, "Full Discharge Cycles"));
  EXPECT_TRUE(hooks.calibratingSet.empty());
  EXPECT_EQ(record.usageMinutes, 0u);

  store.loadhealth(true);
  EXPECT_EQ(text(Page::Calibrate, "Full Discharge Cycles"), "12");
  EXPECT_EQ(text(Page::Calibrate, "Battery Usage Time"), "2");
  EXPECT_EQ(text(Page::Calibrate, "Discharging Time"), "42");
  EXPECT_EQ(text(Page::Calibrate, "Charging Time"), "90");
  EXPECT_EQ(text(Page::Calibrate, "Calibration"), "On");
  EXPECT_EQ(hooks.calibratingSet, std::vector<bool>{true});
  EXPECT_EQ(record.dischargingMinutes, 42u);
  EXPECT_EQ(record.chargingMinutes, 90u);
}

TEST_F(HealthStoreTest, AnotherSelectedBatteryLeavesRecordFilesAndTextsAlone) {
  slots.currentSlot = 2;
  setCapacities(50000, 45000);
  EXPECT_FALSE(store.loadhealth(true));
  EXPECT_TRUE(files.saves.empty());
  EXPECT_TRUE(texts.page(Page::Calibrate).empty());
  EXPECT_EQ(record, HealthRecord{});
}

TEST_F(HealthStoreTest, UnreadableValueFilesAreReportedAndChangeNothing) {
  writeBytes(path("44"), {0x05, 0x00});  // too short
  record.calibrations = 7;
  setCapacities(50000, 50000);
  store.loadhealth(false);

  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find(path("44")), std::string::npos);
  EXPECT_EQ(record.calibrations, 7u);
  EXPECT_EQ(fileBytes(path("44")), (std::vector<std::uint8_t>{0x05, 0x00}));
  // Nothing was read from it in this run: the figure is unknown.
  EXPECT_EQ(text(Page::Calibrate, "Battery Calibrations"), "None");
}

// An empty "33" holds no day: "None" instead of days since 1899, and no
// advice from a day 0; a completed calibration may write over it.
TEST_F(HealthStoreTest, AnEmptyCalibrationDayShowsNoneUntilACalibrationReplacesIt) {
  writeBytes(path("33"), {});
  setCapacities(50000, 50000);
  store.loadhealth(false);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("holds 0 bytes"), std::string::npos);
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "None");
  EXPECT_EQ(text(Page::LeftColumn, "Days"), "None");
  EXPECT_EQ(record.latestCalibration, kToday);
  store.loadhealth(false);
  EXPECT_EQ(fileBytes(path("33")), std::vector<std::uint8_t>{});

  store.recordCalibration();
  EXPECT_EQ(fileBytes(path("33")), encodeValueFile(kToday));
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "0");
  EXPECT_EQ(errors.messages.size(), 1u);
}

// A lasting write fault is reported once, even though the file still reads
// well at every reload in between.
TEST_F(HealthStoreTest, FailedWriteIsReportedOnceAndTheValueStaysInMemory) {
  writeBytes(path(""), encodeValueFile(40000));
  writeBytes(path("33"), encodeValueFile(kToday));
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(dataFolder);
  setCapacities(50000, 45000);
  store.loadhealth(false);
  store.loadhealth(false);

  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("Read-only file system"), std::string::npos);
  EXPECT_EQ(record.maximumCapacity, 50000u);
  EXPECT_EQ(text(Page::Calibrate, "Maximum Capacity"), "50,000");
  EXPECT_EQ(fileBytes(path("")), encodeValueFile(40000));
}

TEST_F(HealthStoreTest, NothingIsTouchedBeforeTheKeyIsKnown) {
  batteryInfo.batteryKey.clear();
  setCapacities(50000, 45000);
  EXPECT_FALSE(store.loadhealth(true));
  store.addUsageMinute();
  EXPECT_TRUE(files.saves.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

TEST_F(HealthStoreTest, DischargeHundredthsCountBothCyclesAndFillCyclesWhenUnreported) {
  record.fullDischargeCycles = 199;
  record.cyclesSinceCalibration = 99;
  store.addFullDischargeHundredth();

  EXPECT_EQ(savedSuffixes(), (Saves{{"11", 200}, {"55", 100}}));
  EXPECT_EQ(fileBytes(path("11")), (std::vector<std::uint8_t>{0xC8, 0x00, 0x00, 0x00}));
  EXPECT_EQ(text(Page::Calibrate, "Full Discharge Cycles"), "2");
  EXPECT_EQ(text(Page::Calibrate, "Cycles since Calibration"), "1");
  EXPECT_EQ(text(Page::LeftColumn, "Cycles"), "2");

  batteryInfo.information.cycleCount = 17;
  texts.set(Page::LeftColumn, "Cycles", "17");
  store.addFullDischargeHundredth();
  EXPECT_EQ(text(Page::LeftColumn, "Cycles"), "17");
}

TEST_F(HealthStoreTest, UsageAndTimingCountersStoreAndShowTheirValues) {
  for (int minute = 0; minute < 119; ++minute) store.addUsageMinute();
  EXPECT_EQ(text(Page::Calibrate, "Battery Usage Time"), "1");
  EXPECT_EQ(fileBytes(path("22")), (std::vector<std::uint8_t>{119, 0, 0, 0}));

  store.showChargingMinutes(12);
  EXPECT_EQ(text(Page::Calibrate, "Charging Time"), "12");
  EXPECT_FALSE(fileExists(path("77")));

  store.setChargingMinutes(300);
  store.setDischargingMinutes(65);
  EXPECT_EQ(fileBytes(path("77")), (std::vector<std::uint8_t>{0x2C, 0x01, 0, 0}));
  EXPECT_EQ(fileBytes(path("66")), (std::vector<std::uint8_t>{65, 0, 0, 0}));
  EXPECT_EQ(text(Page::Calibrate, "Charging Time"), "300");
  EXPECT_EQ(text(Page::Calibrate, "Discharging Time"), "65");
}

TEST_F(HealthStoreTest, CompletedCalibrationSavesDayCountAndResetCycles) {
  record.latestCalibration = kToday - 40;
  record.calibrations = 4;
  record.cyclesSinceCalibration = 3100;
  store.recordCalibration();

  EXPECT_EQ(savedSuffixes(), (Saves{{"33", kToday}, {"44", 5}, {"55", 0}}));
  EXPECT_EQ(text(Page::Calibrate, "Latest Calibration"), "0");
  EXPECT_EQ(text(Page::Calibrate, "Battery Calibrations"), "5");
  EXPECT_EQ(text(Page::Calibrate, "Cycles since Calibration"), "0");
}

}  // namespace
}  // namespace voltaro::health::testing
