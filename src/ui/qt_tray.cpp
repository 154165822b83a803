#include "ui/qt_tray.h"

#include <QIcon>

namespace voltaro::ui {

namespace {
constexpr int kLastPicture = 16;
// The notification area's own limit on the hint.
constexpr int kHintCharacters = 127;
}  // namespace

QtTray::QtTray(QObject* parent) : QObject(parent) {
  connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
    if (r == QSystemTrayIcon::DoubleClick) Q_EMIT doubleClicked();
    if (r == QSystemTrayIcon::Trigger) Q_EMIT clicked();
  });
}

QtTray::~QtTray() = default;

QString QtTray::picturePath(int state) {
  return QString(":/skin/tray_%1.png").arg(state, 2, 10, QChar('0'));
}

void QtTray::setHint(const std::string& hint) {
  QString text = QString::fromStdString(hint);
  text.replace("\r\n", "\n");
  icon_.setToolTip(text.left(kHintCharacters));
}

void QtTray::setIcon(int picture) {
  if (picture < 0 || picture > kLastPicture) return;
  picture_ = picture;
  icon_.setIcon(QIcon(picturePath(picture)));
}

void QtTray::showBalloon(const std::string& title, const std::string& text, view::BalloonIcon icon,
                         std::uint32_t timeoutMilliseconds) {
  QSystemTrayIcon::MessageIcon kind = QSystemTrayIcon::NoIcon;
  switch (icon) {
    case view::BalloonIcon::None:
      kind = QSystemTrayIcon::NoIcon;
      break;
    case view::BalloonIcon::Info:
      kind = QSystemTrayIcon::Information;
      break;
    case view::BalloonIcon::Warning:
      kind = QSystemTrayIcon::Warning;
      break;
    case view::BalloonIcon::Error:
      kind = QSystemTrayIcon::Critical;
      break;
  }
  icon_.showMessage(QString::fromStdString(title).left(63), QString::fromStdString(text).left(255),
                    kind, static_cast<int>(timeoutMilliseconds));
}

}  // namespace voltaro::ui
