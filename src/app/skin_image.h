// One skinned image control: it paints the frame of its visual state from a
// sprite strip and hands its mouse events to the window. The strip is asked
// for when the control paints, so a hidden window need hold no strips.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace voltaro::app {

class SkinImage : public QWidget {
  Q_OBJECT

 public:
  // The strip of control `number` in its current look; nullptr paints nothing.
  using StripSource = std::function<const QImage*(int number)>;

  SkinImage(int number, int size, StripSource strips, QWidget* parent);
  int number() const { return number_; }
  // The frame (0 resting, 1 hot, 2 pressed) to show, and which of the
  // control's strips the source gives (a switch's on and off).
  void setFrame(int frame, int look);
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
  StripSource strips_;
  int frame_ = 0;
  int look_ = -1;
};

}  // namespace voltaro::app
