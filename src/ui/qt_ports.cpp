#include "ui/qt_ports.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>

namespace voltaro::ui {

void QtErrorBox::showError(const std::string& text) {
  // Messages carry file names and system texts: shown as they are, never as markup.
  QMessageBox box(QMessageBox::Critical, "Voltaro", QString::fromStdString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

namespace {
// A box keeps the latest reports; older ones are in the standard error output.
constexpr qsizetype kReportsPerBox = 8;
}  // namespace

void QtErrorReport::report(const std::string& message) {
  std::fprintf(stderr, "voltaro: %s\n", message.c_str());
  std::fflush(stderr);
  QMetaObject::invokeMethod(
      &context_, [this, text = QString::fromStdString(message)] { show(text); },
      Qt::QueuedConnection);
}

void QtErrorReport::show(const QString& message) {
  shown_.append(message);
  while (shown_.size() > kReportsPerBox) shown_.removeFirst();
  if (box_ == nullptr) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Voltaro", QString(), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QObject::destroyed, &context_, [this] { shown_.clear(); });
    box_ = box;
  }
  box_->setText(shown_.join("\n\n"));
  box_->show();
  box_->raise();
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
