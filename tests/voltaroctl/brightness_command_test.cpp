#include "brightness_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command_run.h"
#include "fakes/temporary_folder.h"
#include "platform/sim/sim_display.h"

namespace voltaro::tools {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome brightness(platform::Display& display, std::optional<std::uint8_t> level = std::nullopt) {
  std::ostringstream out, err;
  const int status = runBrightness(display, level, out, err);
  return {status, out.str(), err.str()};
}

// The words the command line refuses before any display is touched.
int usageStatus(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  return runBrightnessCommand(args, out, err);
}

platform::sim::SimDisplay tenLevels() {
  platform::sim::SimDisplay display;
  display.supportedLevels = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  display.acLevel = 95;  // the tray checks "90%": 9.5 tens truncate to 9
  display.dcLevel = 45;  // and "40%"
  return display;
}

TEST(BrightnessCommand, ReadsBothLevelsWithTheTrayItemTheyCheck) {
  auto display = tenLevels();
  const Outcome run = brightness(display);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("On AC power  95 % (tray item 90%)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("On battery   45 % (tray item 40%)"), std::string::npos) << run.out;
}

TEST(BrightnessCommand, SetsBothPowerSourcesAsTheTrayItemDoes) {
  auto display = tenLevels();
  const Outcome run = brightness(display, 70);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(display.acLevel, 70);
  EXPECT_EQ(display.dcLevel, 70);
}

TEST(BrightnessCommand, RefusesLevelsNoTrayItemHasAndDisplaysWithoutControl) {
  auto display = tenLevels();
  for (const char* bad : {"75", "0", "110", "x", ""}) {
    EXPECT_FALSE(parseTrayLevel(bad)) << bad;
    EXPECT_EQ(usageStatus({"--backlight", "/nonexistent", bad}), 2) << bad;
  }
  EXPECT_EQ(parseTrayLevel("70"), 70);
  EXPECT_EQ(usageStatus({"--backlight", "/nonexistent", "50", "60"}), 2);

  platform::sim::SimDisplay none;  // no supported levels
  const Outcome run = brightness(none);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no brightness control"), std::string::npos);
}

TEST(BrightnessCommand, FailedSetIsReportedNotShownAsDone) {
  auto display = tenLevels();
  display.failSet = true;
  EXPECT_EQ(brightness(display, 30).status, 1);
}

TEST(BrightnessCommand, WritesAWritableBacklightFileInRawSteps) {
  const testing::TemporaryFolder temporary;
  const fs::path& root = temporary.path();
  fs::create_directories(root / "panel");
  std::ofstream(root / "panel" / "type") << "raw\n";
  std::ofstream(root / "panel" / "max_brightness") << "1000\n";
  std::ofstream(root / "panel" / "brightness") << "400\n";
  std::ostringstream out, err;
  ASSERT_EQ(runBrightnessCommand({"--backlight", root.string(), "30"}, out, err), 0) << err.str();
  std::ifstream written(root / "panel" / "brightness");
  int raw = 0;
  written >> raw;
  EXPECT_EQ(raw, 300);  // 30 % of 1,000 steps
}

}  // namespace
}  // namespace voltaro::tools
