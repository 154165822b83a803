// The smallest Qt tray program: one icon with a one-item menu and nothing
// else. bench/compare_peers.sh measures the program's memory at rest against
// it, so the ratio shows what Voltaro adds to Qt's own share.
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QPixmap picture(16, 16);
  picture.fill(Qt::darkGreen);
  QSystemTrayIcon icon{QIcon(picture)};
  QMenu menu;
  menu.addAction("Quit", &app, &QApplication::quit);
  icon.setContextMenu(&menu);
  icon.setToolTip("bare tray");
  icon.show();
  return QApplication::exec();
}
