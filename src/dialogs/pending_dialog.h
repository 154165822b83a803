// The pending dialog code and the dispatch of answers (do_resu).
//
// A caller asks through `ask`, which stores the question's code and shows the
// confirmation dialog; the dialog window reports the button pressed through
// `answerYes` (YES, OK or Enter) or `answerNo`, and the answer is acted on
// through the DialogHooks.
#pragma once

#include <string>

#include "dialogs/dialog_codes.h"
#include "dialogs/dialog_hooks.h"
#include "platform/runtime.h"
#include "view/confirmation_port.h"

namespace voltaro::dialogs {

class PendingDialog {
 public:
  PendingDialog(view::ConfirmationPort& port, platform::Runtime& runtime, DialogHooks& hooks);

  // "show confirmation": sets the pending code to `asked`, then shows the
  // texts with the buttons of `mode`. A question shown while an earlier one
  // is open replaces it and its code.
  void ask(DialogCode asked, const view::ConfirmationTexts& texts, view::ConfirmationMode mode);
  void ask(DialogCode asked, const std::string& title, const std::string& line0,
           const std::string& line1, const std::string& line2, int mode);

  // YES or OK (click, or Enter anywhere in the dialog): code + 1, then do_resu.
  // The window hides the dialog before calling.
  void answerYes();
  // NO: code + 2, then do_resu.
  void answerNo();

  // Sleeps 100 ms, processes messages, then acts on the code answered.
  void do_resu();

  DialogCode code() const { return code_; }
  void setCodeForTesting(DialogCode value) { code_ = value; }

 private:
  void dispatch(DialogCode answered);

  view::ConfirmationPort& port_;
  platform::Runtime& runtime_;
  DialogHooks& hooks_;
  DialogCode code_ = code::kNone;
};

}  // namespace voltaro::dialogs
