// The start-with-the-session entry: an XDG autostart file
// "voltaro.desktop" in the user's autostart folder, written when the
// setting is on and removed when it is off.
#pragma once

#include <QString>

namespace voltaro::ui {

class AutostartEntry {
 public:
  // `folder` is the autostart folder (normally ~/.config/autostart).
  AutostartEntry(QString folder, QString executable);

  // The folder from $XDG_CONFIG_HOME, else ~/.config, plus "autostart".
  static QString defaultFolder();

  QString filePath() const;
  // Rewrites the entry: the old file goes, and with `on` a new one is
  // written. Failures are ignored, like the registry writes they replace.
  void setAutoRun(bool on);
  bool present() const;

 private:
  QString folder_;
  QString executable_;
};

}  // namespace voltaro::ui
