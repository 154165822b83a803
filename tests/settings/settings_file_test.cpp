#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace voltaro::settings {
namespace {

struct Correction {
  const char* name;
  std::function<void(AppSettings&)> store;
  std::function<int(const AppSettings&)> loaded;
  int expected;
};

class LoadCorrection : public ::testing::TestWithParam<Correction> {};

TEST_P(LoadCorrection, CorrectsOrKeeps) {
  AppSettings s;
  GetParam().store(s);
  applyLoadCorrections(s);
  EXPECT_EQ(GetParam().loaded(s), GetParam().expected);
}

#define FIELD(f, value)                                            \
  [](AppSettings& s) { s.f = static_cast<decltype(s.f)>(value); }, \
      [](const AppSettings& s) { return static_cast<int>(s.f); }

INSTANTIATE_TEST_SUITE_P(
    Table, LoadCorrection,
    ::testing::Values(Correction{"WarningZero", FIELD(WarningLevel, 0), 30},
                      Correction{"WarningHundred", FIELD(WarningLevel, 100), 30},
                      Correction{"WarningNinetyNine", FIELD(WarningLevel, 99), 99},
                      Correction{"CriticalZero", FIELD(CriticalLevel, 0), 5},
                      Correction{"CriticalOneFifty", FIELD(CriticalLevel, 150), 5},
                      Correction{"CriticalOne", FIELD(CriticalLevel, 1), 1},
                      Correction{"WarnBrightness101", FIELD(WarnBrightnessLevel, 101), 255},
                      Correction{"WarnBrightness100", FIELD(WarnBrightnessLevel, 100), 100},
                      Correction{"FastBrightness200", FIELD(FastDischargeBrightnessLevel, 200),
                                 255},
                      Correction{"FastBrightness0", FIELD(FastDischargeBrightnessLevel, 0), 0},
                      Correction{"ThreadsZeroStays", FIELD(FastDischargeCpuThreads, 0), 0},
                      Correction{"ThreadsFive", FIELD(FastDischargeCpuThreads, 5), 1},
                      Correction{"ThreadsFour", FIELD(FastDischargeCpuThreads, 4), 4},
                      Correction{"OpacityTen", FIELD(GadgetOpacity, 10), 20},
                      Correction{"OpacityTwoHundred", FIELD(GadgetOpacity, 200), 100},
                      Correction{"OpacityForty", FIELD(GadgetOpacity, 40), 40},
                      Correction{"MinutesZero", FIELD(FastDischargeMinutes, 0), 5},
                      Correction{"MinutesNegative", FIELD(FastDischargeMinutes, -7), 5},
                      Correction{"Minutes201", FIELD(FastDischargeMinutes, 201), 5},
                      Correction{"Minutes200", FIELD(FastDischargeMinutes, 200), 200},
                      Correction{"DiscZero", FIELD(FastDischargeDiscPercent, 0), 1},
                      Correction{"Disc101", FIELD(FastDischargeDiscPercent, 101), 100},
                      Correction{"Disc100", FIELD(FastDischargeDiscPercent, 100), 100}),
    [](const ::testing::TestParamInfo<Correction>& info) { return info.param.name; });

#undef FIELD

TEST(CriticalExclusivity, TwoOrMoreClearAllThree) {
  AppSettings s;
  s.CritMonitorOff = 1;
  s.CritSystemHibernate = 1;
  applyLoadCorrections(s);
  EXPECT_EQ(s.CritMonitorOff, 0);
  EXPECT_EQ(s.CritSystemStandby, 0);
  EXPECT_EQ(s.CritSystemHibernate, 0);

  s.CritMonitorOff = s.CritSystemStandby = s.CritSystemHibernate = 1;
  applyLoadCorrections(s);
  EXPECT_EQ(s.CritMonitorOff + s.CritSystemStandby + s.CritSystemHibernate, 0);

  // A stored 2 counts as on, like any non-zero flag.
  s.CritSystemStandby = 2;
  s.CritMonitorOff = 1;
  applyLoadCorrections(s);
  EXPECT_EQ(s.CritSystemStandby, 0);
}

TEST(CriticalExclusivity, OneActionStays) {
  AppSettings s;
  s.CritSystemStandby = 1;
  applyLoadCorrections(s);
  EXPECT_EQ(s.CritSystemStandby, 1);
}

TEST(SettingsBytes, DurationIsSignedLittleEndianAtOffset25) {
  std::vector<std::uint8_t> bytes(29, 0);
  bytes[2] = 40;
  bytes[25] = 0xFF;  // -1
  bytes[26] = 0xFF;
  bytes[27] = 0xFF;
  bytes[28] = 0xFF;
  AppSettings s;
  readSettingsBytes(bytes, s);
  EXPECT_EQ(s.WarningLevel, 40);
  EXPECT_EQ(s.FastDischargeMinutes, -1);
  applyLoadCorrections(s);
  EXPECT_EQ(s.FastDischargeMinutes, 5);

  s.FastDischargeMinutes = 0x01020304;
  const auto encoded = encodeSettings(s);
  ASSERT_EQ(encoded.size(), 51u);
  EXPECT_EQ(encoded[25], 0x04);
  EXPECT_EQ(encoded[28], 0x01);
  EXPECT_EQ(encoded[29], s.WarnLaunchProgram);
  EXPECT_EQ(encoded[50], s.BalloonHints);
}

TEST(SettingsBytes, LongerFilesReadOnlyTheFirst51Bytes) {
  AppSettings changed;
  changed.BalloonHints = 0;
  changed.TaskPriority = 3;
  auto bytes = encodeSettings(changed);
  bytes.push_back(9);
  AppSettings s;
  readSettingsBytes(bytes, s);
  EXPECT_EQ(s, changed);
}

}  // namespace
}  // namespace voltaro::settings
