#include "ui/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace voltaro::ui {

AutostartEntry::AutostartEntry(QString folder, QString executable)
    : folder_(std::move(folder)), executable_(std::move(executable)) {}

QString AutostartEntry::defaultFolder() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty()) config = QDir::homePath() + "/.config";
  return config + "/autostart";
}

QString AutostartEntry::filePath() const {
  return folder_ + "/voltaro.desktop";
}

bool AutostartEntry::present() const {
  return QFile::exists(filePath());
}

void AutostartEntry::setAutoRun(bool on) {
  QFile::remove(filePath());
  if (!on) return;
  if (!QDir().mkpath(folder_)) return;
  QSaveFile file(filePath());
  if (!file.open(QIODevice::WriteOnly)) return;
  // Exec quotes the path so a folder with blanks still starts.
  const QString text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Voltaro\n"
      "Comment=Battery monitor\n"
      "Exec=\"" +
      executable_ +
      "\"\n"
      "Icon=voltaro\n"
      "X-GNOME-Autostart-enabled=true\n";
  file.write(text.toUtf8());
  file.commit();
}

}  // namespace voltaro::ui
