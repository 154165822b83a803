#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "fakes/fake_error_report.h"
#include "fakes/faulty_file_calls.h"
#include "settings_test_folder.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

namespace voltaro::settings {
namespace {

// The 51 bytes of a fresh record, worked out from the table of defaults.
const std::vector<std::uint8_t> kFreshBytes = {
    0, 0, 30, 0, 0,   5, 1, 0,   0, 255, 0, 0, 0, 0, 0, 0, 0,     // 0..16
    0, 1, 0,  0, 100, 1, 0, 1,                                    // 17..24
    5, 0, 0,  0,                                                  // 25..28 duration
    0, 0, 1,  1, 0,   0, 0, 255, 1, 1,   0, 1, 1, 1, 1, 1, 1, 1,  // 29..46
    0, 1, 2,  1,                                                  // 47..50
};

class SettingsStoreTest : public testing::TestFolder {
 protected:
  SettingsStore store() { return SettingsStore(folder(), errors); }
  // A 51-byte file with every flag on, levels in range and a 200-minute duration.
  static std::vector<std::uint8_t> changedBytes() {
    std::vector<std::uint8_t> b(51, 1);
    b[2] = 50;
    b[5] = 10;
    b[9] = 70;
    b[12] = 0;  // only one critical power action on
    b[13] = 0;
    b[21] = 60;
    b[25] = 200;
    b[26] = b[27] = b[28] = 0;
    b[36] = 40;
    b[37] = 80;
    b[38] = 3;
    b[48] = 2;
    b[49] = 4;
    b[50] = 0;
    return b;
  }
  fakes::FakeErrorReport errors;
};

TEST_F(SettingsStoreTest, FreshDefaultsWithoutFilesSaveAsTheDefaultBytes) {
  AppSettings s;
  s.WarningLevel = 77;
  s.LaunchProgramPath = "stale";
  auto st = store();
  EXPECT_FALSE(st.settingsFileExists());
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarningLevel, 30);
  EXPECT_EQ(s.LaunchProgramPath, "");

  ASSERT_TRUE(st.saveSettings(s));
  EXPECT_EQ(readRaw("voltaro.ini"), kFreshBytes);
  EXPECT_EQ(readRaw("launch.txt"), (std::vector<std::uint8_t>{'\r', '\n'}));
  EXPECT_TRUE(st.settingsFileExists());
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(SettingsStoreTest, FullFileLoadsEveryFieldAndSavesTheSameBytes) {
  writeRaw("voltaro.ini", changedBytes());
  writeRaw("launch.txt", std::string("/usr/bin/warn-me\r\nsecond line\r\n"));
  AppSettings s;
  auto st = store();
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarningLevel, 50);
  EXPECT_EQ(s.CriticalLevel, 10);
  EXPECT_EQ(s.WarnBrightnessLevel, 70);
  EXPECT_EQ(s.CritSystemHibernate, 1);
  EXPECT_EQ(s.GadgetOpacity, 60);
  EXPECT_EQ(s.FastDischargeMinutes, 200);
  EXPECT_EQ(s.FastDischargeBrightnessLevel, 40);
  EXPECT_EQ(s.FastDischargeDiscPercent, 80);
  EXPECT_EQ(s.FastDischargeCpuThreads, 3);
  EXPECT_EQ(s.DigitGrouping, 2);
  EXPECT_EQ(s.TaskPriority, 4);
  EXPECT_EQ(s.BalloonHints, 0);
  EXPECT_EQ(s.LaunchProgramPath, "/usr/bin/warn-me");

  ASSERT_TRUE(st.saveSettings(s));
  EXPECT_EQ(readRaw("voltaro.ini"), changedBytes());
  const std::string launch = "/usr/bin/warn-me\r\n";
  EXPECT_EQ(readRaw("launch.txt"), std::vector<std::uint8_t>(launch.begin(), launch.end()));
}

TEST_F(SettingsStoreTest, LoadKeepsTheLearnedChargeRate) {
  AppSettings s;
  s.LearnedChargeRate = 1234;
  auto st = store();
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.LearnedChargeRate, 1234u);
}

TEST_F(SettingsStoreTest, OlderShortFilesKeepDefaultsForTheirMissingTail) {
  auto full = changedBytes();
  AppSettings s;
  auto st = store();

  writeRaw("voltaro.ini", std::vector<std::uint8_t>(full.begin(), full.begin() + 29));
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarningLevel, 50);
  EXPECT_EQ(s.GadgetShowCapacity, 1);
  EXPECT_EQ(s.FastDischargeMinutes, 200);
  EXPECT_EQ(s.WarnLaunchProgram, 0);
  EXPECT_EQ(s.BalloonHints, 1);
  EXPECT_EQ(s.TaskPriority, 2);
  EXPECT_EQ(s.DigitGrouping, 1);
  EXPECT_EQ(s.FastDischargeCpuThreads, 1);

  writeRaw("voltaro.ini", std::vector<std::uint8_t>(full.begin(), full.begin() + 30));
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarnLaunchProgram, 1);
  EXPECT_EQ(s.CalibrationLog, 0);

  // 25..28 bytes: the flags load, the partial duration does not.
  writeRaw("voltaro.ini", std::vector<std::uint8_t>(full.begin(), full.begin() + 27));
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarningLevel, 50);
  EXPECT_EQ(s.FastDischargeMinutes, 5);

  // Below 25 bytes nothing is read, yet the file still counts as present.
  writeRaw("voltaro.ini", std::vector<std::uint8_t>(full.begin(), full.begin() + 24));
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s, AppSettings{});
  EXPECT_TRUE(st.settingsFileExists());

  ASSERT_TRUE(st.saveSettings(s));
  EXPECT_EQ(readRaw("voltaro.ini").size(), 51u);
}

TEST_F(SettingsStoreTest, WriteFailureIsReportedAndSkipsTheLaunchFile) {
  std::filesystem::create_directories(root_ / "voltaro.ini" / "in-the-way");
  AppSettings s;
  auto st = store();
  EXPECT_FALSE(st.saveSettings(s));
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("voltaro.ini"), std::string::npos);
  EXPECT_FALSE(exists("launch.txt"));
}

TEST_F(SettingsStoreTest, MissingDataFolderReportsEveryWrite) {
  SettingsStore st(folder() + "gone/", errors);
  AppSettings s;
  EXPECT_FALSE(st.saveSettings(s));
  EXPECT_FALSE(st.saveChargeRate(s));
  EXPECT_FALSE(st.writeGadgetPosition({1, 2}));
  EXPECT_EQ(errors.messages.size(), 3u);
}

#ifdef __linux__
// A file-size limit below 51 bytes fails the write part way, like a full disc.
TEST_F(SettingsStoreTest, FullDiscKeepsThePreviousSettingsWhole) {
  writeRaw("voltaro.ini", changedBytes());
  AppSettings s;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ::getrlimit(RLIMIT_FSIZE, &oldLimit);
  rlimit limit = oldLimit;
  limit.rlim_cur = 20;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const bool saved = store().saveSettings(s);
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(readRaw("voltaro.ini"), changedBytes());
  EXPECT_EQ(errors.messages.size(), 1u);
}

// Of a 1 GiB settings file only the record is read, and a pipe in its place
// is refused at once instead of holding the start.
TEST_F(SettingsStoreTest, HugeOrPipeSettingsFileReadsOnlyTheRecord) {
  writeRaw("voltaro.ini", changedBytes());
  std::filesystem::resize_file(root_ / "voltaro.ini", std::uintmax_t{1} << 30);
  fakes::FaultyFileCalls calls;
  AppSettings s;
  auto st = store();
  ASSERT_TRUE(st.loadSettings(s));
  EXPECT_EQ(s.WarningLevel, 50);
  EXPECT_EQ(calls.bytesRead, 51u);

  std::filesystem::remove(root_ / "voltaro.ini");
  ASSERT_EQ(::mkfifo((folder() + "voltaro.ini").c_str(), 0600), 0);
  EXPECT_FALSE(st.loadSettings(s));
  EXPECT_EQ(st.settingsFileState(), ReadState::Unreadable);
  EXPECT_EQ(s.WarningLevel, 30);
}
#endif

// A read-only folder, then a full disc: each file is reported once per
// lasting fault, again only after a save of it worked and failed anew.
TEST_F(SettingsStoreTest, LastingWriteFaultsAreReportedOncePerFile) {
  writeRaw("battery.ini", std::vector<std::uint8_t>{1, 0, 0, 0, 2, 0, 0, 0});
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(folder());
  AppSettings s;
  auto st = store();
  for (int attempt = 0; attempt < 3; ++attempt) {
    EXPECT_FALSE(st.saveSettings(s));
    EXPECT_FALSE(st.saveChargeRate(s));
    EXPECT_FALSE(st.writeGadgetPosition({5, 6}));
  }
  ASSERT_EQ(errors.messages.size(), 3u);
  EXPECT_NE(errors.messages[0].find("Read-only file system"), std::string::npos);
  EXPECT_EQ(readRaw("battery.ini"), (std::vector<std::uint8_t>{1, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_FALSE(exists("voltaro.ini"));

  calls.makeWritable(folder());
  EXPECT_TRUE(st.saveSettings(s));
  EXPECT_TRUE(st.writeGadgetPosition({5, 6}));
  EXPECT_EQ(readRaw("voltaro.ini"), kFreshBytes);
  calls.limitSpace(20);  // the record needs 51 bytes
  EXPECT_FALSE(st.saveSettings(s));
  EXPECT_FALSE(st.saveSettings(s));
  ASSERT_EQ(errors.messages.size(), 4u);
  EXPECT_NE(errors.messages[3].find("No space left on device"), std::string::npos);
  EXPECT_EQ(readRaw("voltaro.ini"), kFreshBytes);
}

// A newly measured rate or gadget place replaces a stored one only once that
// could be read.
TEST_F(SettingsStoreTest, UnreadableRateAndPositionAreWrittenOnceTheyReadAgain) {
  writeRaw("ar.bin", std::vector<std::uint8_t>{1, 2, 3, 4});
  writeRaw("battery.ini", std::vector<std::uint8_t>{9, 0, 0, 0, 9, 0, 0, 0});
  fakes::FaultyFileCalls calls;
  calls.makeUnreadable(folder() + "ar.bin");
  calls.makeUnreadable(folder() + "battery.ini");
  AppSettings s;
  auto st = store();
  EXPECT_FALSE(st.loadChargeRate(s));
  EXPECT_EQ(s.LearnedChargeRate, 500000u);
  EXPECT_EQ(st.readGadgetPosition(), std::nullopt);
  s.LearnedChargeRate = 7;
  EXPECT_FALSE(st.saveChargeRate(s));
  EXPECT_FALSE(st.writeGadgetPosition({1, 1}));
  EXPECT_EQ(errors.messages.size(), 2u);

  calls.makeReadable(folder() + "ar.bin");
  calls.makeReadable(folder() + "battery.ini");
  EXPECT_EQ(readRaw("ar.bin"), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_TRUE(st.saveChargeRate(s));
  EXPECT_TRUE(st.writeGadgetPosition({1, 1}));
  EXPECT_EQ(readRaw("ar.bin"), (std::vector<std::uint8_t>{7, 0, 0, 0}));
  EXPECT_EQ(readRaw("battery.ini"), (std::vector<std::uint8_t>{1, 0, 0, 0, 1, 0, 0, 0}));
}

TEST_F(SettingsStoreTest, ChargeRateFile) {
  AppSettings s;
  s.LearnedChargeRate = 7;
  auto st = store();
  ASSERT_TRUE(st.loadChargeRate(s));
  EXPECT_EQ(s.LearnedChargeRate, 500000u);

  writeRaw("ar.bin", std::vector<std::uint8_t>{0x40, 0xE2, 0x01, 0x00});
  ASSERT_TRUE(st.loadChargeRate(s));
  EXPECT_EQ(s.LearnedChargeRate, 123456u);

  s.LearnedChargeRate = 0x01020304;
  ASSERT_TRUE(st.saveChargeRate(s));
  EXPECT_EQ(readRaw("ar.bin"), (std::vector<std::uint8_t>{4, 3, 2, 1}));

  writeRaw("ar.bin", std::vector<std::uint8_t>{1, 2});
  EXPECT_FALSE(st.loadChargeRate(s));
  EXPECT_EQ(s.LearnedChargeRate, 500000u);
  EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, GadgetPositionFile) {
  auto st = store();
  EXPECT_EQ(st.readGadgetPosition(), std::nullopt);
  EXPECT_TRUE(errors.messages.empty());

  ASSERT_TRUE(st.writeGadgetPosition({1871, 805}));
  EXPECT_EQ(readRaw("battery.ini"),
            (std::vector<std::uint8_t>{0x4F, 0x07, 0, 0, 0x25, 0x03, 0, 0}));
  EXPECT_EQ(st.readGadgetPosition(), (GadgetPosition{1871, 805}));

  writeRaw("battery.ini", std::vector<std::uint8_t>{0xF6, 0xFF, 0xFF, 0xFF, 0x0A, 0, 0, 0});
  EXPECT_EQ(st.readGadgetPosition(), (GadgetPosition{0, 10}));

  writeRaw("battery.ini", std::vector<std::uint8_t>{1, 0, 0, 0});
  EXPECT_EQ(st.readGadgetPosition(), std::nullopt);
  EXPECT_EQ(errors.messages.size(), 1u);
}

TEST(DefaultGadgetPosition, MeasuredFromTheBottomRightCorner) {
  EXPECT_EQ(defaultGadgetPosition(true, true, 1920, 1080), (GadgetPosition{1871, 922}));
  EXPECT_EQ(defaultGadgetPosition(true, false, 1920, 1080), (GadgetPosition{1824, 805}));
  EXPECT_EQ(defaultGadgetPosition(false, true, 1920, 1080), (GadgetPosition{1871, 931}));
  EXPECT_EQ(defaultGadgetPosition(false, false, 1366, 768), (GadgetPosition{1270, 512}));
}

}  // namespace
}  // namespace voltaro::settings
