#include "dialogs/pending_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_confirmation.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::dialogs {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingHooks : public DialogHooks {
 public:
  void stopFastDischarge() override { calls.push_back("stopFastDischarge"); }
  void requestFastDischargeStart() override { calls.push_back("requestFastDischargeStart"); }
  void startFastDischarge() override { calls.push_back("startFastDischarge"); }
  void stopCalibrationWithoutMessage() override {
    calls.push_back("stopCalibrationWithoutMessage");
  }
  bool isOnExternalPower() override { return onExternalPower; }
  void askCalibrationUnplug() override { calls.push_back("askCalibrationUnplug"); }
  void startCalibrationOnBattery() override { calls.push_back("startCalibrationOnBattery"); }
  void beginCalibration() override { calls.push_back("beginCalibration"); }
  void prepareCalibration() override { calls.push_back("prepareCalibration"); }
  void exitProcedure() override { calls.push_back("exitProcedure"); }
  void applyDefaultSettings() override { calls.push_back("applyDefaultSettings"); }
  void resetHealthData() override { calls.push_back("resetHealthData"); }
  void downloadNewVersion() override { calls.push_back("downloadNewVersion"); }

  bool onExternalPower = false;
  std::vector<std::string> calls;
};

class PendingDialogTest : public ::testing::Test {
 protected:
  platform::sim::VirtualRuntime runtime;
  fakes::FakeConfirmation port;
  RecordingHooks hooks;
  PendingDialog dialog{port, runtime, hooks};
};

TEST_F(PendingDialogTest, AskStoresTheCodeAndShowsTheTextsWithTheButtons) {
  dialog.ask(code::kDefaultSettings, "Confirmation", "Do you want to load the default settings?",
             "", "", 2);
  EXPECT_EQ(dialog.code(), 38);
  ASSERT_EQ(port.shown.size(), 1u);
  EXPECT_EQ(port.last().texts.line0, "Do you want to load the default settings?");
  EXPECT_EQ(port.last().mode, view::ConfirmationMode::YesNo);

  dialog.ask(code::kCalibrationComplete, "Calibration", "Calibration is complete", "", "", 1);
  EXPECT_EQ(port.last().mode, view::ConfirmationMode::Ok);
  dialog.ask(code::kCalibrationComplete, "Calibration", "", "", "", 7);
  EXPECT_EQ(port.last().mode, view::ConfirmationMode::Ok);
}

struct TableRow {
  DialogCode asked;
  const char* action;
};

TEST_F(PendingDialogTest, EveryQuestionsYesRunsItsActionAndNoRunsNothing) {
  const TableRow rows[] = {
      {code::kFastDischargeRunning, "stopFastDischarge"},
      {code::kFastDischargeUnplug, "requestFastDischargeStart"},
      {code::kFastDischargeOverheat, "startFastDischarge"},
      {code::kCalibrationRunning, "stopCalibrationWithoutMessage"},
      {code::kCalibrationSteps, "beginCalibration"},
      {code::kCloseProgram, "exitProcedure"},
      {code::kDefaultSettings, "applyDefaultSettings"},
      {code::kResetHealth, "resetHealthData"},
      {code::kNewVersion, "downloadNewVersion"},
      {code::kCalibrationCheck, "prepareCalibration"},
  };
  for (const TableRow& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.asked));
    hooks.calls.clear();
    dialog.ask(row.asked, "Title", "Question", "", "", 2);
    dialog.answerNo();
    EXPECT_EQ(dialog.code(), row.asked + 2);
    EXPECT_THAT(hooks.calls, IsEmpty());

    dialog.ask(row.asked, "Title", "Question", "", "", 2);
    dialog.answerYes();
    EXPECT_EQ(dialog.code(), row.asked + 1);
    EXPECT_THAT(hooks.calls, ElementsAre(row.action));
  }
}

TEST_F(PendingDialogTest, NoticesHaveNoActionOnOk) {
  for (DialogCode notice : {code::kSelectBattery, code::kStopAndSelectBattery, code::kBatteryAlert,
                            code::kCalibrationComplete}) {
    dialog.ask(notice, "Title", "Notice", "", "", 1);
    dialog.answerYes();
    EXPECT_EQ(dialog.code(), notice + 1);
  }
  EXPECT_THAT(hooks.calls, IsEmpty());
}

TEST_F(PendingDialogTest, CalibrationUnplugAsksAgainOnExternalPower) {
  hooks.onExternalPower = true;
  dialog.ask(code::kCalibrationUnplug, "Calibration", "Unplug", "", "", 2);
  dialog.answerYes();
  hooks.onExternalPower = false;
  dialog.ask(code::kCalibrationUnplug, "Calibration", "Unplug", "", "", 2);
  dialog.answerYes();
  EXPECT_THAT(hooks.calls, ElementsAre("askCalibrationUnplug", "startCalibrationOnBattery"));
}

TEST_F(PendingDialogTest, TheAnswerWaitsAndPumpsBeforeActing) {
  std::uint64_t pumpedAt = 0;
  runtime.postAfter(50, [&] { pumpedAt = runtime.elapsedMilliseconds(); });
  dialog.ask(code::kResetHealth, "Reset", "Do you want to reset the calibration/wear data?", "", "",
             2);
  dialog.answerYes();
  EXPECT_EQ(runtime.elapsedMilliseconds(), 100u);
  EXPECT_EQ(pumpedAt, 100u);  // the event due during the sleep ran in the pump
  EXPECT_THAT(hooks.calls, ElementsAre("resetHealthData"));
}

TEST_F(PendingDialogTest, ANoticeShownDuringThePumpDoesNotSwallowTheAnswer) {
  // A tick inside the pause raises the critical alert's message, which sets
  // its own code; the answered question still gets its action.
  runtime.postAfter(
      10, [&] { dialog.ask(code::kBatteryAlert, "Battery Alert", "critical", "", "", 1); });
  dialog.ask(code::kDefaultSettings, "Confirmation", "Do you want to load the default settings?",
             "", "", 2);
  dialog.answerYes();
  EXPECT_THAT(hooks.calls, ElementsAre("applyDefaultSettings"));
  EXPECT_EQ(dialog.code(), code::kBatteryAlert);
  // The notice's OK then carries no action.
  dialog.answerYes();
  EXPECT_THAT(hooks.calls, ElementsAre("applyDefaultSettings"));
}

TEST_F(PendingDialogTest, QuestionAfterTwoNoticesActsOnItsOwnCode) {
  dialog.ask(code::kSelectBattery, "Battery", "Please select Battery 1", "", "", 1);
  dialog.answerYes();
  dialog.ask(code::kCalibrationComplete, "Calibration", "Calibration is complete", "", "", 1);
  dialog.ask(code::kCloseProgram, "Exit", "Close Voltaro?", "", "", 2);
  dialog.answerYes();
  EXPECT_THAT(hooks.calls, ElementsAre("exitProcedure"));
}

TEST(DialogCodes, NoNegativeAnswerIsAnotherQuestionsYes) {
  const DialogCode asked[] = {2, 5, 8, 13, 16, 21, 24, 33, 38, 43, 45, 48, 51, 88, 91};
  for (DialogCode a : asked) {
    for (DialogCode b : asked) {
      EXPECT_NE(negativeAnswer(a), affirmativeAnswer(b)) << int(a) << " " << int(b);
    }
  }
}

}  // namespace
}  // namespace voltaro::dialogs
