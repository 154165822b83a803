// Tray hint texts with their exact blanks, and the tray icon levels.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/tray_hint.h"
#include "monitor/tray_icon.h"
#include "view/tray_port.h"

namespace voltaro::monitor {
namespace {

TEST(TrayHint, NoBattery) {
  EXPECT_EQ(trayHint({.batteryCount = 0}), "No Battery!");
}

TEST(TrayHint, OnPowerTexts) {
  TrayHintInput in{.batteryCount = 1, .onPower = true, .charging = false, .percent = 100};
  EXPECT_EQ(trayHint(in), "Running on AC Power\r\nBattery is fully charged");
  in.batteryCount = 2;
  in.slot = 2;
  EXPECT_EQ(trayHint(in), "Running on AC Power\r\nBattery 2 is fully charged");
  in.percent = 57;
  EXPECT_EQ(trayHint(in), "Running on AC Power, not charging\r\nBattery 2 capacity:   57 %");
  in.charging = true;
  EXPECT_EQ(trayHint(in), "Running on AC Power, charging\r\nBattery 2 capacity:   57 %");
  in.batteryCount = 1;
  EXPECT_EQ(trayHint(in), "Running on AC Power, charging\r\nBattery capacity:   57 %");
  in.charging = false;
  EXPECT_EQ(trayHint(in), "Running on AC Power, not charging\r\nBattery capacity:   57 %");
}

TEST(TrayHint, OnBatteryTexts) {
  TrayHintInput in{
      .batteryCount = 2, .onPower = false, .percent = 42, .slot = 2, .remainingSeconds = 3900};
  EXPECT_EQ(trayHint(in),
            "Battery 2 selected, discharging\r\nCapacity:    42 %\r\nRemaining: 1 hr 5 min");
  in.batteryCount = 1;
  in.slot = 1;
  in.remainingSeconds = 59;
  EXPECT_EQ(trayHint(in),
            "Running on Battery, discharging\r\nCapacity:      42 %\r\nRemaining:  0 min");
  // What was never measured reads "None", as on the main window.
  in.percent.reset();
  in.remainingSeconds.reset();
  EXPECT_EQ(trayHint(in),
            "Running on Battery, discharging\r\nCapacity:      None\r\nRemaining:  None");
  in.onPower = true;
  EXPECT_EQ(trayHint(in), "Running on AC Power, not charging\r\nBattery capacity:   None");
}

TEST(TrayHint, FastDischargeThenCalibrationAppended) {
  TrayHintInput in{.batteryCount = 1, .onPower = false, .percent = 9, .remainingSeconds = 600};
  in.calibration = true;
  EXPECT_EQ(trayHint(in),
            "Running on Battery, discharging\r\nCapacity:      9 %\r\nRemaining:  10 min"
            "\r\nCalibration enabled");
  in.fastDischarge = true;
  EXPECT_EQ(trayHint(in),
            "Running on Battery, discharging\r\nCapacity:      9 %\r\nRemaining:  10 min"
            "\r\nFast discharge enabled\r\nCalibration enabled");
}

struct RecordingTray : view::TrayPort {
  std::vector<int> icons;
  void setHint(const std::string&) override {}
  void setIcon(int picture) override { icons.push_back(picture); }
  void showBalloon(const std::string&, const std::string&, view::BalloonIcon,
                   std::uint32_t) override {}
};

TEST(TrayIcon, LevelBoundaries) {
  const std::vector<std::pair<int, int>> cases = {
      {0, 0},   {5, 0},   {6, 1},   {11, 1},  {12, 2},  {17, 2},  {18, 3},  {23, 3},
      {24, 4},  {29, 4},  {30, 5},  {35, 5},  {36, 6},  {41, 6},  {42, 7},  {48, 7},
      {49, 8},  {55, 8},  {56, 9},  {63, 9},  {64, 10}, {71, 10}, {72, 11}, {78, 11},
      {79, 12}, {86, 12}, {87, 13}, {93, 13}, {94, 14}, {100, 14}};
  for (auto [percent, level] : cases) EXPECT_EQ(trayLevel(percent), level) << percent;
}

TEST(TrayIcon, ToldOnlyOnChangeAndBlinksWhileCharging) {
  RecordingTray tray;
  TrayIcon icon(tray);
  icon.settrayicon(100, true, false);  // already the full picture
  EXPECT_TRUE(tray.icons.empty());
  icon.settrayicon(48, false, false);
  icon.settrayicon(48, false, false);
  EXPECT_EQ(tray.icons, (std::vector<int>{7}));
  icon.settrayicon(50, true, true);
  icon.settrayicon(51, true, true);
  icon.settrayicon(52, true, true);
  icon.settrayicon(100, true, true);  // full while the charging flag is still set
  EXPECT_EQ(tray.icons, (std::vector<int>{7, 15, 16, 15, 14}));
  EXPECT_EQ(kTrayPictures[15], "Image3");
  EXPECT_EQ(kTrayPictures[16], "Image6");
  EXPECT_EQ(kTrayPictures[icon.state()], "Image2");
  // Charging without external power does not blink.
  icon.settrayicon(50, false, true);
  EXPECT_EQ(tray.icons.back(), 8);
}

}  // namespace
}  // namespace voltaro::monitor
