// The common look of the program's three small windows: borderless,
// stay-on-top and modeless, a title strip with its label, a dark content
// panel with the dialog picture, and flat buttons.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace voltaro::ui {

// A flat 60 x 26 button with the face colours of the dialogs; bold caption
// while hot. `pressed` (QAbstractButton) is where the click sound goes.
class FlatButton : public QAbstractButton {
  Q_OBJECT

 public:
  FlatButton(const QString& caption, QWidget* parent);
  QSize sizeHint() const override { return {60, 26}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool hot_ = false;
};

class SkinnedDialog : public QWidget {
  Q_OBJECT

 public:
  // `panelTop` is where the content panel starts (35, or 32 for the advice).
  SkinnedDialog(const QString& title, QSize clientSize, int panelTop);

  QWidget* panel() const { return panel_; }
  void setTitle(const QString& title) { title_->setText(title); }
  QString title() const { return title_->text(); }
  // Resizes the window and its panel to a new client width.
  void setClientWidth(int width);
  // A text label on the panel at (x, y).
  QLabel* addLabel(const QString& text, int x, int y);
  FlatButton* addButton(const QString& caption, int x, int y);

  // The main window's frame for centring, and whether it is visible.
  std::function<QRect()> mainWindowFrame;
  std::function<bool()> mainWindowVisible;
  // Pressing any button plays this (the click sound, gated by the caller).
  std::function<void()> buttonPressed;

  // Centres over the main window when visible, else on the screen.
  void placeCentred();
  // Shows without modality, raises and activates.
  void showInFront();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QLabel* title_;
  QWidget* panel_;
  int panelTop_;
  QPoint dragOffset_;
};

}  // namespace voltaro::ui
