#include "app/skin_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace voltaro::app {

SkinImage::SkinImage(int number, int size, StripSource strips, QWidget* parent)
    : QWidget(parent), number_(number), size_(size), strips_(std::move(strips)) {
  setFixedSize(size, size);
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
}

void SkinImage::setFrame(int frame, int look) {
  if (frame_ == frame && look_ == look) return;
  frame_ = frame;
  look_ = look;
  update();
}

void SkinImage::paintEvent(QPaintEvent*) {
  const QImage* strip = strips_ ? strips_(number_) : nullptr;
  if (strip == nullptr) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), *strip, QRect(frame_ * size_, 0, size_, size_));
}

void SkinImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT pressedAt(number_, event->position().toPoint());
}

void SkinImage::mouseMoveEvent(QMouseEvent* event) {
  Q_EMIT movedAt(number_, event->position().toPoint());
}

void SkinImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Q_EMIT releasedAt(number_, event->position().toPoint(),
                    event->modifiers().testFlag(Qt::ShiftModifier));
}

void SkinImage::leaveEvent(QEvent*) {
  Q_EMIT left(number_);
}

}  // namespace voltaro::app
