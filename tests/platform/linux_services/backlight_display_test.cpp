#include "platform/linux_services/backlight_display.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/temporary_folder.h"
#include "platform/linux_services/powerprofilesctl_tool.h"
#include "platform/sim/sim_shell.h"

namespace voltaro::platform::linux_services {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class RecordingWriter : public BacklightWriter {
 public:
  bool setBacklight(const std::string& name, std::uint32_t raw) override {
    writes.push_back(name + "=" + std::to_string(raw));
    return succeed;
  }
  bool succeed = true;
  std::vector<std::string> writes;
};

class BacklightTree : public ::testing::Test {
 protected:
  void device(const std::string& name, const std::string& type, const std::string& max,
              const std::string& brightness) {
    fs::create_directories(root_ / name);
    std::ofstream(root_ / name / "type") << type << "\n";
    std::ofstream(root_ / name / "max_brightness") << max << "\n";
    std::ofstream(root_ / name / "brightness") << brightness << "\n";
  }
  std::string root() const { return root_.string(); }

  voltaro::testing::TemporaryFolder temporary_;
  const fs::path& root_ = temporary_.path();
};

TEST_F(BacklightTree, PrefersFirmwareThenPlatformThenRaw) {
  device("intel_backlight", "raw", "120000", "60000");
  device("vendor", "platform", "8", "4");
  EXPECT_EQ(findBacklight(root())->name, "vendor");
  device("acpi_video0", "firmware", "15", "7");
  EXPECT_EQ(findBacklight(root()), (BacklightDevice{"acpi_video0", "firmware", 15}));
  device("acpi_video0", "firmware", "0", "0");  // a device without steps is no device
  EXPECT_EQ(findBacklight(root())->name, "vendor");
  EXPECT_EQ(findBacklight(root() + "/missing"), std::nullopt);
}

TEST(BacklightLevels, TensWithEnoughStepsElseOneLevelPerStep) {
  EXPECT_THAT(backlightLevels(15), ElementsAre(10, 20, 30, 40, 50, 60, 70, 80, 90, 100));
  EXPECT_THAT(backlightLevels(4), ElementsAre(25, 50, 75, 100));
  EXPECT_THAT(backlightLevels(1), ElementsAre(100));
  EXPECT_EQ(rawToPercent(455, 1000), 46);  // 45.5 rounds up
  EXPECT_EQ(rawToPercent(2000, 1000), 100);
  EXPECT_EQ(percentToRaw(40, 1000), 400u);
  EXPECT_EQ(percentToRaw(1, 15), 1u);  // never dark for a level above 0
  EXPECT_EQ(percentToRaw(0, 15), 0u);
  EXPECT_EQ(percentToRaw(255, 15), 15u);
}

TEST_F(BacklightTree, SetsTheLevelOfThePowerSourceInUse) {
  device("intel_backlight", "raw", "1000", "455");
  RecordingWriter writer;
  bool onAc = false;
  int monitorOffs = 0;
  BacklightDisplay display(
      root(), writer, [&] { return ++monitorOffs == 1; }, [&] { return onAc; });
  EXPECT_EQ(display.openBrightness().size(), 10u);
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Ac), 46);

  EXPECT_TRUE(display.setBrightness(BrightnessPolicy::Dc, 40, 40));
  EXPECT_TRUE(display.setBrightness(BrightnessPolicy::Ac, 90, 90));  // not in use: skipped
  EXPECT_TRUE(display.setBrightness(BrightnessPolicy::Both, 80, 30));
  onAc = true;
  EXPECT_TRUE(display.setBrightness(BrightnessPolicy::Both, 80, 30));
  writer.succeed = false;
  EXPECT_FALSE(display.setBrightness(BrightnessPolicy::Ac, 20, 20));
  EXPECT_THAT(writer.writes, ElementsAre("intel_backlight=400", "intel_backlight=300",
                                         "intel_backlight=800", "intel_backlight=200"));

  EXPECT_TRUE(display.monitorOff());
  EXPECT_FALSE(display.monitorOff());  // the desktop's way failed
  EXPECT_EQ(monitorOffs, 2);
}

TEST_F(BacklightTree, WithoutADeviceNothingIsAskedOrWritten) {
  RecordingWriter writer;
  BacklightDisplay display(root(), writer, nullptr, nullptr);
  EXPECT_TRUE(display.openBrightness().empty());
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Dc), std::nullopt);
  EXPECT_FALSE(display.setBrightness(BrightnessPolicy::Both, 50, 50));
  EXPECT_TRUE(writer.writes.empty());
  EXPECT_FALSE(display.isCompositionOn());
  EXPECT_FALSE(display.monitorOff()) << "no way to turn the monitor off";
}

TEST(PowerProfilesCtl, ListsAndSwitchesThroughTheProgram) {
  sim::SimShell shell;
  shell.outputs["powerprofilesctl"] = "* balanced:\r\n";
  PowerProfilesCtlTool tool(shell);
  EXPECT_EQ(tool.listPlans(), "* balanced:\r\n");
  tool.activatePlan("power-saver");
  EXPECT_THAT(shell.calls, ElementsAre("capture powerprofilesctl list > powercfg.txt",
                                       "run powerprofilesctl set power-saver"));
}

}  // namespace
}  // namespace voltaro::platform::linux_services
