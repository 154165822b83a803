// The program's questions, notices and error messages on Win32 message
// boxes. A confirmation is asked from the message loop a moment after it is
// requested, so the caller returns at once as the port promises; the tick
// runs on inside the box's own loop. Advice and file dialogs are not shown
// yet: advice is kept unseen and file dialogs are cancelled.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/runtime.h"
#include "view/advice_port.h"
#include "view/confirmation_port.h"
#include "view/error_box.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"

namespace voltaro::win32 {

class Win32Confirmation final : public view::ConfirmationPort {
 public:
  explicit Win32Confirmation(platform::Runtime& runtime);
  void showConfirmation(const view::ConfirmationTexts& texts, view::ConfirmationMode mode) override;

  std::function<void()> answeredYes;
  std::function<void()> answeredNo;
  // The box's text: the three lines, empty ones kept.
  static std::string boxText(const view::ConfirmationTexts& texts);

 private:
  void ask();

  std::unique_ptr<platform::Timer> timer_;
  view::ConfirmationTexts texts_;
  view::ConfirmationMode mode_ = view::ConfirmationMode::Ok;
  bool asking_ = false;
};

class Win32Errors final : public view::ErrorReport, public view::ErrorBox {
 public:
  // Reported errors never wait for the user: they go to the debugger's
  // output and stay for the next look.
  void report(const std::string& message) override;
  void showError(const std::string& text) override;
  const std::string& last() const { return last_; }

 private:
  std::string last_;
};

class UnseenAdvice final : public view::AdvicePort {
 public:
  void fill(const view::AdviceContent&) override {}
  void show() override {}
  void bringToFront() override {}
};

class CancelledFileDialogs final : public view::FileDialogPort {
 public:
  std::optional<std::string> openFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
};

}  // namespace voltaro::win32
