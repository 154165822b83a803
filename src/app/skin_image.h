// One skinned image control: it paints the frame of its visual state from a
// sprite strip and hands its mouse events to the window.
#pragma once

#include <QImage>
#include <QWidget>

namespace voltaro::app {

class SkinImage : public QWidget {
  Q_OBJECT

 public:
  SkinImage(int number, int size, QWidget* parent);
  int number() const { return number_; }
  // The strip and the frame (0 resting, 1 hot, 2 pressed) to show.
  void setFrame(const QImage* strip, int frame);
  int frame() const { return frame_; }

 Q_SIGNALS:
  void pressedAt(int number, QPoint position);
  void movedAt(int number, QPoint position);
  void releasedAt(int number, QPoint position, bool shift);
  void left(int number);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int number_;
  int size_;
  const QImage* strip_ = nullptr;
  int frame_ = 0;
};

}  // namespace voltaro::app
