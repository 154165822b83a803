// The program's questions, notices, advice, parameters and error messages
// on Win32 message boxes. A box is opened from the message loop a moment
// after it is asked for, so the caller returns at once as the ports promise
// (the dialogs are modeless); the tick runs on inside the box's own loop.
// The file dialogs are the system's own, modal as the port says.
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
#include "view/parameters_port.h"
#include "view/status_line.h"

namespace voltaro::win32 {

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

// A message box opened from the message loop, one at a time: a request made
// while it is open is shown when it closes.
class DeferredBox {
 public:
  // `open` shows the box and acts on its answer.
  DeferredBox(platform::Runtime& runtime, std::function<void()> open);
  void request();
  bool open() const { return open_; }

 private:
  std::unique_ptr<platform::Timer> timer_;
  std::function<void()> show_;
  bool open_ = false;
  bool again_ = false;
};

class Win32Confirmation final : public view::ConfirmationPort {
 public:
  explicit Win32Confirmation(platform::Runtime& runtime);
  // A new question replaces one not yet asked.
  void showConfirmation(const view::ConfirmationTexts& texts, view::ConfirmationMode mode) override;

  std::function<void()> answeredYes;
  std::function<void()> answeredNo;
  // The box's text: the three lines, empty ones kept.
  static std::string boxText(const view::ConfirmationTexts& texts);

 private:
  view::ConfirmationTexts texts_;
  view::ConfirmationMode mode_ = view::ConfirmationMode::Ok;
  DeferredBox box_;
};

class Win32Advice final : public view::AdvicePort {
 public:
  explicit Win32Advice(platform::Runtime& runtime);
  void fill(const view::AdviceContent& content) override { content_ = content; }
  void show() override;
  void bringToFront() override;

 private:
  view::AdviceContent content_;
  DeferredBox box_;
};

class Win32Parameters final : public view::ParametersPort {
 public:
  explicit Win32Parameters(platform::Runtime& runtime);
  void fill(const view::ParametersContent& content) override { content_ = content; }
  void show() override;
  // A box already open stays until answered; one not yet open is not shown.
  void hide() override { shown_ = false; }

  std::function<void()> answeredYes;
  std::function<void()> answeredNo;

 private:
  view::ParametersContent content_;
  bool shown_ = false;
  DeferredBox box_;
};

class Win32FileDialogs final : public view::FileDialogPort {
 public:
  std::optional<std::string> openFile(const view::FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const view::FileDialogRequest& request) override;
  // "Text (*.txt)|*.txt" as the dialogs take it: each part ended by a NUL,
  // and one more NUL at the end.
  static std::wstring filterText(const std::string& filter);
};

}  // namespace voltaro::win32
