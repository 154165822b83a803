// The main window's input: its own and its children's mouse events that
// drag the window, the two text links, the skinned controls' presses and
// releases, the keys, and the close request.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/main_window.h"
#include "app/skin_image.h"
#include "app/window_look.h"
#include "common/scramble.h"
#include "engine/engine.h"
#include "monitor/monitor.h"

namespace voltaro::app {

void MainWindow::closeEvent(QCloseEvent* event) {
  // Only the exit procedure ends the program.
  event->ignore();
  if (engine_ != nullptr) engine_->closeRequest();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.size() == 1 && text[0].unicode() < 128) pressKey(text[0].toLatin1());
}

void MainWindow::watchBackground(QWidget* widget) {
  widget->installEventFilter(this);
  widget->setMouseTracking(true);
}

void MainWindow::startDrag(QPoint global) {
  dragging_ = true;
  dragStartGlobal_ = global;
  dragStartWindow_ = pos();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  const bool link = watched == makerLink_ || (label && label->objectName() == "batteryLabel");
  if (link) {
    if (event->type() == QEvent::Enter)
      setTextColour(label, qtColour(frontend::main_window::kLinkHover));
    if (event->type() == QEvent::Leave) {
      const canvas::Colour rest = watched == makerLink_ ? frontend::main_window::kBlack
                                                        : frontend::main_window::kValueColour;
      setTextColour(label, qtColour(rest));
    }
    if (event->type() == QEvent::MouseButtonRelease && engine_ != nullptr) {
      if (watched == makerLink_) {
        engine_->services().shell.openFile("http://" + webHost());
      } else if (engine_->monitor().tickRunning()) {
        engine_->monitor().act8();
      }
    }
    return false;
  }
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (mouse == nullptr) return false;
  const QPoint global = mouse->globalPosition().toPoint();
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    startDrag(global);
  } else if (event->type() == QEvent::MouseMove) {
    controls_.resetAll();
    if (dragging_) move(dragStartWindow_ + global - dragStartGlobal_);
  } else if (event->type() == QEvent::MouseButtonRelease) {
    dragging_ = false;
  }
  return false;
}

void MainWindow::onPress(int number, QPoint position) {
  if (controls_.press(number, position.x(), position.y()) !=
      frontend::main_window::PressOutcome::StartDrag)
    return;
  SkinImage* image = control(number);
  startDrag(image->mapToGlobal(position));
}

void MainWindow::onMove(int number, QPoint position) {
  if (dragging_) {
    move(dragStartWindow_ + control(number)->mapToGlobal(position) - dragStartGlobal_);
    return;
  }
  controls_.hover(number, position.x(), position.y());
}

void MainWindow::onRelease(int number, QPoint position, bool shift) {
  if (dragging_) {
    dragging_ = false;
    return;
  }
  if (!controls_.release(number, position.x(), position.y())) return;
  if (engine_ != nullptr && engine_->monitor().busy()) engine_->monitor().waitidle(10);
  runControl(number, shift);
}

}  // namespace voltaro::app
