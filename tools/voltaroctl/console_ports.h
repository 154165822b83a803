// The windows of the program as voltaroctl has them: a tray and status line
// nobody sees (unless a printer stands in), error reports on standard error,
// questions nobody answers, advice nobody reads, file dialogs cancelled at
// once and a graph nobody draws.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "history/graph_port.h"
#include "view/advice_port.h"
#include "view/confirmation_port.h"
#include "view/error_box.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"
#include "view/tray_port.h"

namespace voltaro::tools {

class SilentTray : public view::TrayPort {
 public:
  void setHint(const std::string&) override {}
  void setIcon(int) override {}
  void showBalloon(const std::string&, const std::string&, view::BalloonIcon,
                   std::uint32_t) override {}
};

class SilentStatusLine : public view::StatusLine {
 public:
  void show(const std::string&) override {}
};

// The program's error reports and start-up error boxes, one line each on a
// stream (standard error), counted so a command can fail when one came.
class ConsoleErrors : public view::ErrorReport, public view::ErrorBox {
 public:
  explicit ConsoleErrors(std::ostream& err) : err_(err) {}
  void report(const std::string& message) override;
  void showError(const std::string& text) override;
  int count() const { return count_; }

 private:
  std::ostream& err_;
  int count_ = 0;
};

class UnseenConfirmation : public view::ConfirmationPort {
 public:
  void showConfirmation(const view::ConfirmationTexts&, view::ConfirmationMode) override {}
};

class UnseenAdvice : public view::AdvicePort {
 public:
  void fill(const view::AdviceContent&) override {}
  void show() override {}
  void bringToFront() override {}
};

class CancelledFileDialogs : public view::FileDialogPort {
 public:
  std::optional<std::string> openFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
};

class UndrawnGraph : public history::GraphPort {
 public:
  void drawAxes() override {}
  void redraw() override {}
};

}  // namespace voltaro::tools
