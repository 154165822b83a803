// The notification-area icon on QSystemTrayIcon: the hint, the picture of
// each icon state, balloons, and a double click that shows the main window.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

#include "view/tray_port.h"

class QMenu;

namespace voltaro::ui {

class QtTray : public QObject, public view::TrayPort {
  Q_OBJECT

 public:
  explicit QtTray(QObject* parent = nullptr);
  ~QtTray() override;

  void setHint(const std::string& hint) override;
  void setIcon(int picture) override;
  void showBalloon(const std::string& title, const std::string& text, view::BalloonIcon icon,
                   std::uint32_t timeoutMilliseconds) override;

  void makeVisible() { icon_.show(); }
  void setMenu(QMenu* menu) { icon_.setContextMenu(menu); }
  // The resource path of an icon state's picture (0..16).
  static QString picturePath(int state);

  QString hint() const { return icon_.toolTip(); }
  int picture() const { return picture_; }

 Q_SIGNALS:
  void doubleClicked();
  void clicked();

 private:
  QSystemTrayIcon icon_;
  int picture_ = -1;
};

}  // namespace voltaro::ui
