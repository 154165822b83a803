#include "dialogs/pending_dialog.h"

namespace voltaro::dialogs {

namespace {
constexpr std::uint32_t kAnswerPauseMilliseconds = 100;
}  // namespace

PendingDialog::PendingDialog(view::ConfirmationPort& port, platform::Runtime& runtime,
                             DialogHooks& hooks)
    : port_(port), runtime_(runtime), hooks_(hooks) {}

void PendingDialog::ask(DialogCode asked, const view::ConfirmationTexts& texts,
                        view::ConfirmationMode mode) {
  code_ = asked;
  port_.showConfirmation(texts, mode);
}

void PendingDialog::ask(DialogCode asked, const std::string& title, const std::string& line0,
                        const std::string& line1, const std::string& line2, int mode) {
  ask(asked, view::ConfirmationTexts{title, line0, line1, line2},
      view::confirmationModeFromNumber(mode));
}

void PendingDialog::answerYes() {
  code_ = affirmativeAnswer(code_);
  do_resu();
}

void PendingDialog::answerNo() {
  code_ = negativeAnswer(code_);
  do_resu();
}

void PendingDialog::do_resu() {
  // The answer is taken before the pause: a tick that runs inside the message
  // pump may show another notice (a battery alert) and overwrite the pending
  // code, and the user's answer must not be lost or turned into another one.
  const DialogCode answered = code_;
  runtime_.sleep(kAnswerPauseMilliseconds);
  runtime_.processMessages();
  dispatch(answered);
}

void PendingDialog::dispatch(DialogCode answered) {
  switch (answered) {
    case affirmativeAnswer(code::kFastDischargeRunning):
      hooks_.stopFastDischarge();
      return;
    case affirmativeAnswer(code::kFastDischargeUnplug):
      hooks_.requestFastDischargeStart();
      return;
    case affirmativeAnswer(code::kFastDischargeOverheat):
      hooks_.startFastDischarge();
      return;
    case affirmativeAnswer(code::kCalibrationRunning):
      hooks_.stopCalibrationWithoutMessage();
      return;
    case affirmativeAnswer(code::kCalibrationUnplug):
      if (hooks_.isOnExternalPower()) {
        hooks_.askCalibrationUnplug();
      } else {
        hooks_.startCalibrationOnBattery();
      }
      return;
    case affirmativeAnswer(code::kCalibrationSteps):
      hooks_.beginCalibration();
      return;
    case affirmativeAnswer(code::kCloseProgram):
      hooks_.exitProcedure();
      return;
    case affirmativeAnswer(code::kDefaultSettings):
      hooks_.applyDefaultSettings();
      return;
    case affirmativeAnswer(code::kResetHealth):
      hooks_.resetHealthData();
      return;
    case affirmativeAnswer(code::kNewVersion):
      hooks_.downloadNewVersion();
      return;
    case affirmativeAnswer(code::kCalibrationCheck):
      hooks_.prepareCalibration();
      return;
    default:
      // The negative answers, the OK of every notice and unknown codes carry
      // no action.
      return;
  }
}

}  // namespace voltaro::dialogs
