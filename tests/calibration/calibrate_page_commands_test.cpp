// The keys "C" and "D" and the Calibrate page's controls reach the
// calibration and the fast discharge.
#include <gtest/gtest.h>

#include "alerts/brightness_control.h"
#include "calibration/calibrate_page_commands.h"
#include "calibration_rig.h"
#include "fakes/fake_worker_threads.h"
#include "platform/sim/sim_display.h"

namespace voltaro::calibration::testing {
namespace {

class CalibratePageCommandsTest : public CalibrationTest {
 protected:
  void SetUp() override {
    rig.setLevel(100, true);
    rig.start();
    rig.ticks(3);
  }

  Rig rig{folder_};
  fakes::FakeWorkerThreads threads{rig.runtime.now()};
  platform::sim::SimDisplay display;
  alerts::BrightnessControl brightness{display, rig.audio, rig.runtime, rig.settings, rig.texts};
  fastdischarge::FastDischarge fastDischarge{
      fastdischarge::FastDischargeContext{rig.runtime, threads, brightness, rig.settings, rig.live,
                                          rig.dataFolder, rig.texts, rig.dialog}};
  fastdischarge::FastDischargeHooks redraws;
  fastdischarge::FastDischargeOptions options{fastDischarge, brightness, rig.settings,
                                              rig.audio,     rig.texts,  redraws};
  CalibratePageCommands commands{rig.calibration, fastDischarge, options};
};

TEST_F(CalibratePageCommandsTest, KeyCRunsTheCalibrateCommandInEitherCase) {
  EXPECT_TRUE(commands.handleKey('c'));
  EXPECT_EQ(rig.parameters.shows, 1);
  rig.calibration.beginCalibration();
  EXPECT_TRUE(commands.handleKey('C'));
  EXPECT_EQ(rig.lastQuestion().line0, "Calibration process is already running!");
  EXPECT_EQ(rig.dialog.code(), 13);
}

TEST_F(CalibratePageCommandsTest, KeyDRunsTheFastDischargeCommand) {
  EXPECT_TRUE(commands.handleKey('d'));
  EXPECT_EQ(rig.lastQuestion().line0, "In order to start the Fast Discharge process");
  EXPECT_EQ(rig.dialog.code(), 5);
  EXPECT_FALSE(commands.handleKey('x'));
  EXPECT_FALSE(commands.handleKey('G'));  // Green Mode belongs to the power keys
}

TEST_F(CalibratePageCommandsTest, ControlsReachTheirCommands) {
  rig.settings.FastDischargeMinutes = 9;
  EXPECT_TRUE(commands.handleControl(70));
  EXPECT_EQ(rig.settings.FastDischargeMinutes, 10);
  EXPECT_TRUE(commands.handleControl(68));
  EXPECT_EQ(rig.dialog.code(), 5);
  EXPECT_TRUE(commands.handleControl(58));
  EXPECT_EQ(rig.parameters.shows, 1);
  EXPECT_FALSE(commands.handleControl(65));  // Load belongs to the health store
  EXPECT_FALSE(commands.handleControl(80));
}

}  // namespace
}  // namespace voltaro::calibration::testing
