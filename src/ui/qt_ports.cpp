#include "ui/qt_ports.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace voltaro::ui {

void QtErrorBox::showError(const std::string& text) {
  QMessageBox::critical(nullptr, "Voltaro", QString::fromStdString(text), QMessageBox::Ok);
}

void QtErrorReport::report(const std::string& message) {
  QMessageBox::warning(nullptr, "Voltaro", QString::fromStdString(message), QMessageBox::Ok);
}

QString QtFileDialogs::qtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return entries.join(";;");
}

namespace {
QString startPath(const view::FileDialogRequest& request) {
  QDir folder(QString::fromStdString(request.folder));
  return request.fileName.empty() ? folder.path()
                                  : folder.filePath(QString::fromStdString(request.fileName));
}
}  // namespace

std::optional<std::string> QtFileDialogs::openFile(const view::FileDialogRequest& request) {
  const QString path = QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                    startPath(request), qtFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtFileDialogs::saveFile(const view::FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title), startPath(request),
                     qtFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace voltaro::ui
