#include "win32/win32_dialogs.h"

#include <windows.h>

#include "win32/win32_text.h"

namespace voltaro::win32 {

Win32Confirmation::Win32Confirmation(platform::Runtime& runtime) : timer_(runtime.createTimer()) {
  timer_->setInterval(0);
  timer_->setHandler([this] {
    timer_->setEnabled(false);
    ask();
  });
}

std::string Win32Confirmation::boxText(const view::ConfirmationTexts& texts) {
  return texts.line0 + "\n" + texts.line1 + "\n" + texts.line2;
}

void Win32Confirmation::showConfirmation(const view::ConfirmationTexts& texts,
                                         view::ConfirmationMode mode) {
  // A new question replaces one not yet asked.
  texts_ = texts;
  mode_ = mode;
  if (!asking_) timer_->setEnabled(true);
}

void Win32Confirmation::ask() {
  asking_ = true;
  const bool question = mode_ == view::ConfirmationMode::YesNo;
  const UINT style = (question ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION) |
                     MB_SETFOREGROUND | MB_TOPMOST;
  const int answer =
      MessageBoxW(nullptr, wide(boxText(texts_)).c_str(), wide(texts_.title).c_str(), style);
  asking_ = false;
  if (answer == IDYES || answer == IDOK) {
    if (answeredYes) answeredYes();
  } else if (answeredNo) {
    answeredNo();
  }
}

void Win32Errors::report(const std::string& message) {
  last_ = message;
  OutputDebugStringW(wide("Voltaro: " + message + "\n").c_str());
}

void Win32Errors::showError(const std::string& text) {
  last_ = text;
  MessageBoxW(nullptr, wide(text).c_str(), L"Voltaro", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace voltaro::win32
