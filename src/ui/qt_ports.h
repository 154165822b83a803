// Small presentation ports on Qt: the start-up error box, the general error
// report and the open and save file dialogs.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "view/error_box.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"

namespace voltaro::ui {

class QtErrorBox final : public view::ErrorBox {
 public:
  void showError(const std::string& text) override;
};

// File failures of the logs, reports and settings: one warning box that
// nobody has to answer. It is shown from the event loop, after the tick or
// command that ran into the failure has finished, and it is not modal, so
// monitoring goes on while it stands; reports that come while it is open are
// added to it. Each report also goes to the standard error output.
class QtErrorReport final : public view::ErrorReport {
 public:
  void report(const std::string& message) override;
  // The box now open, or nullptr.
  QMessageBox* box() const { return box_; }

 private:
  void show(const QString& message);

  QObject context_;  // queued calls are dropped once this report is gone
  QPointer<QMessageBox> box_;
  QStringList shown_;
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
