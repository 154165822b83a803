#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "fakes/fake_error_report.h"
#include "settings_test_folder.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
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

// A socket where the file should be cannot be opened, even by root.
void bindSocketAt(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

TEST_F(SettingsStoreTest, UnreadableFilesAreReportedAndChangeNothingHeld) {
  AppSettings held;
  held.WarningLevel = 42;
  held.LaunchProgramPath = "/usr/bin/held";
  const AppSettings before = held;
  auto st = store();

  bindSocketAt(folder() + "voltaro.ini");
  EXPECT_FALSE(st.loadSettings(held));
  EXPECT_EQ(held, before);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("voltaro.ini"), std::string::npos);

  // A readable record with an unreadable launch file is not adopted either.
  std::filesystem::remove(root_ / "voltaro.ini");
  writeRaw("voltaro.ini", changedBytes());
  bindSocketAt(folder() + "launch.txt");
  EXPECT_FALSE(st.loadSettings(held));
  EXPECT_EQ(held, before);
  ASSERT_EQ(errors.messages.size(), 2u);
  EXPECT_NE(errors.messages[1].find("launch.txt"), std::string::npos);
}
#endif

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
