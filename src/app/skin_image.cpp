#include "app/skin_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace voltaro::app {

SkinImage::SkinImage(int number, int size, QWidget* parent)
    : QWidget(parent), number_(number), size_(size) {
  setFixedSize(size, size);
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
}

void SkinImage::setFrame(const QImage* strip, int frame) {
  if (strip_ == strip && frame_ == frame) return;
  strip_ = strip;
  frame_ = frame;
  update();
}

void SkinImage::paintEvent(QPaintEvent*) {
  if (strip_ == nullptr) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), *strip_, QRect(frame_ * size_, 0, size_, size_));
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
