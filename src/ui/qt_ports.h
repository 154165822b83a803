// Small presentation ports on Qt: the start-up error box, the general error
// report and the open and save file dialogs.
#pragma once

#include <QWidget>

#include "view/error_box.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"

namespace voltaro::ui {

class QtErrorBox final : public view::ErrorBox {
 public:
  void showError(const std::string& text) override;
};

// File failures of the logs, reports and settings: a warning box, as the
// application's general error report would show.
class QtErrorReport final : public view::ErrorReport {
 public:
  void report(const std::string& message) override;
};

class QtFileDialogs final : public view::FileDialogPort {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<std::string> openFile(const view::FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const view::FileDialogRequest& request) override;
  // "exe|*.exe|all files|*.*" in Qt's form: "exe (*.exe);;all files (*.*)".
  static QString qtFilter(const std::string& filter);

 private:
  QWidget* parent_;
};

}  // namespace voltaro::ui
