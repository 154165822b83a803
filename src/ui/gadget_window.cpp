#include "ui/gadget_window.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "gadget/gadget_alpha.h"
#include "ui/x11_compositor.h"

namespace voltaro::ui {

namespace {
// Behind the picture where the screen cannot blend it.
constexpr gadget::Pixel kBackdrop = gadget::rgb(0x1C, 0x22, 0x38);

Qt::WindowFlags gadgetFlags(bool onTop) {
  Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
  if (onTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

gadget::GadgetPosition positionOf(const QPointF& point) {
  return {static_cast<std::int32_t>(point.x()), static_cast<std::int32_t>(point.y())};
}

gadget::ScreenArea extentOf(const QRect& area) {
  return {area.x() + area.width(), area.y() + area.height()};
}
}  // namespace

GadgetWindow::GadgetWindow() : QWidget(nullptr, gadgetFlags(false)), controller_(*this, painter_) {
  setWindowTitle("Voltaro");
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

GadgetWindow::~GadgetWindow() = default;

gadget::ScreenArea GadgetWindow::primaryScreen() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? extentOf(screen->geometry()) : gadget::ScreenArea{};
}

gadget::ScreenArea GadgetWindow::desktop() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? extentOf(screen->virtualGeometry()) : gadget::ScreenArea{};
}

void GadgetWindow::resizeWindow(gadget::PixelSize size) {
  setFixedSize(size.width, size.height);
}

void GadgetWindow::moveWindow(gadget::GadgetPosition position) {
  move(position.left, position.top);
}

gadget::GadgetPosition GadgetWindow::windowPosition() const {
  return {x(), y()};
}

void GadgetWindow::present(const gadget::PixelBuffer& picture, std::uint8_t alpha) {
  const bool translucent = compositorRunning();
  if (translucent) {
    gadget::applyGlobalAlpha(picture, alpha, shown_);
  } else {
    gadget::flattenOnBackdrop(picture, kBackdrop, shown_);
  }
  updateShape(picture, translucent);
  image_ = QImage(reinterpret_cast<const uchar*>(shown_.data()), shown_.width(), shown_.height(),
                  shown_.width() * 4, QImage::Format_ARGB32_Premultiplied);
  update();
}

void GadgetWindow::updateShape(const gadget::PixelBuffer& picture, bool translucent) {
  if (translucent) {
    if (shaped_) clearMask();
    shaped_ = false;
    return;
  }
  const QImage image(reinterpret_cast<const uchar*>(picture.data()), picture.width(),
                     picture.height(), picture.width() * 4, QImage::Format_ARGB32_Premultiplied);
  const QRegion shape(QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither)));
  if (!shaped_ || mask() != shape) setMask(shape);
  shaped_ = true;
}

void GadgetWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  if (image_.isNull()) {
    painter.fillRect(rect(), Qt::transparent);
    return;
  }
  painter.drawImage(0, 0, image_);
}

void GadgetWindow::showWindow() {
  show();
}

void GadgetWindow::hideWindow() {
  hide();
}

void GadgetWindow::setStayOnTop(bool onTop) {
  if (onTop == onTop_) return;
  onTop_ = onTop;
  const bool visible = isVisible();
  const QPoint place = pos();
  setWindowFlags(gadgetFlags(onTop));
  move(place);
  if (visible) show();
}

void GadgetWindow::setHint(const std::string& hint) {
  hint_ = QString::fromStdString(hint).replace("\r\n", "\n");
}

void GadgetWindow::bringToFront() {
  if (!isVisible()) return;
  raise();
  activateWindow();
}

void GadgetWindow::beep() {
  QApplication::beep();
}

void GadgetWindow::showMainWindow() {
  if (mainWindowRequested) mainWindowRequested();
}

bool GadgetWindow::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  // The hint follows "Show Gadget Hints" at once, without a hook of its own.
  if (controller_.hintsShown() && !hint_.isEmpty()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint_, this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

void GadgetWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    controller_.leftButtonDown(positionOf(event->globalPosition()));
}

void GadgetWindow::mouseMoveEvent(QMouseEvent* event) {
  controller_.mouseMove(positionOf(event->globalPosition()));
}

void GadgetWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) controller_.leftButtonUp();
}

void GadgetWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) controller_.doubleClick();
}

void GadgetWindow::enterEvent(QEnterEvent* /*event*/) {
  controller_.mouseEnter();
}

void GadgetWindow::leaveEvent(QEvent* /*event*/) {
  controller_.mouseLeave();
}

void GadgetWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.size() == 1 && text[0].unicode() < 128) {
    controller_.keyPress(static_cast<char>(text[0].unicode()));
  }
}

void GadgetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  controller_.closeRequest();
}

void GadgetWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenuRequested) contextMenuRequested(event->globalPos());
}

}  // namespace voltaro::ui
