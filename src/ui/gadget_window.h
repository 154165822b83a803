// The desktop gadget's window on Qt: frameless, without a taskbar button,
// stay-on-top when asked, per-pixel translucent. It shows the pictures the
// gadget controller composes and hands it the mouse, the keys and the close
// request. Without a compositor it shows the picture opaque on a dark
// backdrop, cut to the battery's shape, so the texts stay readable.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "frontend/gadget/gadget_controller.h"
#include "frontend/gadget/gadget_surface.h"
#include "ui/qt_gadget_text.h"

namespace voltaro::ui {

class GadgetWindow : public QWidget, public frontend::GadgetSurface {
  Q_OBJECT

 public:
  GadgetWindow();
  ~GadgetWindow() override;

  frontend::GadgetController& controller() { return controller_; }
  // The right click opens the notification-area menu at this screen point.
  std::function<void(QPoint)> contextMenuRequested;
  // The double click shows the main window.
  std::function<void()> mainWindowRequested;
  // The picture as the window shows it (tests and screenshots).
  const QImage& shownImage() const { return image_; }
  QString hint() const { return hint_; }

  // frontend::GadgetSurface
  gadget::ScreenArea primaryScreen() const override;
  gadget::ScreenArea desktop() const override;
  void resizeWindow(gadget::PixelSize size) override;
  void moveWindow(gadget::GadgetPosition position) override;
  gadget::GadgetPosition windowPosition() const override;
  void present(const gadget::PixelBuffer& picture, std::uint8_t alpha) override;
  void showWindow() override;
  void hideWindow() override;
  bool windowVisible() const override { return isVisible(); }
  void setStayOnTop(bool onTop) override;
  void setHint(const std::string& hint) override;
  void bringToFront() override;
  void beep() override;
  void showMainWindow() override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void updateShape(const gadget::PixelBuffer& picture, bool translucent);

  QtGadgetText painter_;
  frontend::GadgetController controller_;
  gadget::PixelBuffer shown_;
  QImage image_;
  QString hint_;
  bool onTop_ = false;
  bool shaped_ = false;
};

}  // namespace voltaro::ui
