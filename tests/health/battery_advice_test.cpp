#include "health/battery_advice.h"

#include "common/file_io.h"
#include "health_fixture.h"

namespace voltaro::health::testing {
namespace {

using Answers = std::vector<std::string>;

class BatteryAdviceTest : public HealthTest {
 protected:
  BatteryAdviceTest() {
    batteryInfo.manufacturer = "Keldwick";
    batteryInfo.deviceName = "KB-45";
    // Calibrated today, plugged in, full: nothing to advise.
    record.latestCalibration = kToday;
    live.onPower = true;
    live.chargePercent[0] = 100.0f;
  }
  Answers answers() const {
    Answers out;
    for (const auto& answer : adviceWindow.content.answers) out.push_back(answer.text);
    return out;
  }
  void wearDown() {
    setCapacities(50000, 24000);  // 52 % wear
    store.updatewear();
  }
};

TEST_F(BatteryAdviceTest, AnswersAreColouredByWhetherTheyApply) {
  wearDown();
  EXPECT_TRUE(advice.evaladvice());
  EXPECT_EQ(adviceWindow.content.battery, "Keldwick KB-45");
  EXPECT_EQ(answers(), (Answers{"No", "No", "No", "Yes"}));
  const view::Rgb yes{0xFC, 0x30, 0x12};
  const view::Rgb no{0x99, 0xA3, 0xBB};
  EXPECT_EQ(adviceWindow.content.answers[3].colour, yes);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(adviceWindow.content.answers[i].colour, no);

  setCapacities(50000, 25000);  // exactly 50 % is not above it
  store.updatewear();
  EXPECT_FALSE(advice.evaladvice());
  EXPECT_EQ(adviceWindow.content.answers[3].colour, no);
}

TEST_F(BatteryAdviceTest, CalibrationIsDueAfterThirtyCyclesOrThirtyDays) {
  record.cyclesSinceCalibration = 3000;
  EXPECT_FALSE(advice.evaladvice());
  record.cyclesSinceCalibration = 3001;
  EXPECT_TRUE(advice.evaladvice());
  EXPECT_EQ(answers(), (Answers{"Yes", "No", "No", "No"}));

  record.cyclesSinceCalibration = 0;
  record.latestCalibration = kToday - 30;  // now is 08:00, so 30 days and 8 hours
  EXPECT_TRUE(advice.evaladvice());
  hooks.calibrating = true;  // a running calibration settles it
  EXPECT_FALSE(advice.evaladvice());

  hooks.calibrating = false;
  runtime.setStart(static_cast<double>(kToday));  // midnight: exactly 30.0 days
  EXPECT_FALSE(advice.evaladvice());
}

TEST_F(BatteryAdviceTest, ChargeToFullOnlyDuringTheRechargeOfACalibration) {
  hooks.calibrating = true;
  live.chargePercent[0] = 99.4f;
  EXPECT_FALSE(advice.evaladvice());  // not drained yet: no marker
  ASSERT_TRUE(writeTextLines(dataFolder + "calib2.txt", {"Calibration OK"}));
  EXPECT_TRUE(advice.evaladvice());
  EXPECT_EQ(answers(), (Answers{"No", "Yes", "No", "No"}));
  live.chargePercent[0] = 99.5f;  // rounds to 100
  EXPECT_FALSE(advice.evaladvice());
}

TEST_F(BatteryAdviceTest, GreenModeIsAdvisedOnBatteryAtHalfChargeOrLess) {
  live.onPower = false;
  live.chargePercent[0] = 50.0f;
  EXPECT_TRUE(advice.evaladvice());
  EXPECT_EQ(answers(), (Answers{"No", "No", "Yes", "No"}));
  live.chargePercent[0] = 50.1f;
  EXPECT_FALSE(advice.evaladvice());
  live.chargePercent[0] = 20.0f;
  hooks.greenMode = true;
  EXPECT_FALSE(advice.evaladvice());
  hooks.greenMode = false;
  hooks.fastDischarge = true;
  EXPECT_FALSE(advice.evaladvice());
}

TEST_F(BatteryAdviceTest, AnotherBatteryOnlyNamesThePrimaryOne) {
  wearDown();
  slots.currentSlot = 3;
  slots.primarySlot = 2;
  EXPECT_FALSE(advice.evaladvice());
  EXPECT_EQ(adviceWindow.content.battery, "Select Battery 2");
  EXPECT_EQ(answers(), (Answers{"No", "No", "No", "No"}));
  EXPECT_EQ(adviceWindow.content.answers[0].colour, kAdviceNoColour);
}

TEST_F(BatteryAdviceTest, TheAdviceCommandShowsTheDialogEvenWithNothingToAdvise) {
  advice.act31();
  EXPECT_EQ(adviceWindow.fills, 1);
  EXPECT_EQ(adviceWindow.calls, (std::vector<std::string>{"show"}));
}

TEST_F(BatteryAdviceTest, ShowingInFrontRaisesTheDialog) {
  advice.showInFront();
  EXPECT_EQ(adviceWindow.calls, (std::vector<std::string>{"show", "front"}));
  EXPECT_EQ(adviceWindow.fills, 0);
}

}  // namespace
}  // namespace voltaro::health::testing
