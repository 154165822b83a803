#include "ui/skinned_dialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "dialogs/confirmation_layout.h"

namespace voltaro::ui {

namespace {
const QColor kTitleStrip(63, 65, 67);
const QColor kPanel(11, 14, 17);
const QColor kFace(150, 154, 158);
const QColor kPressedFace(90, 100, 144);
const QColor kHotFace(128, 136, 174);
const QColor kLightEdge(132, 146, 181);
const QColor kShadowEdge(133, 146, 181);
constexpr int kInset = 4;

QFont dialogFont(int pixels, bool bold = false) {
  QFont font("Verdana");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
}  // namespace

FlatButton::FlatButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setFixedSize(60, 26);
  setCursor(Qt::PointingHandCursor);
  // The dialogs answer only to their own keys (Enter); a focused button
  // would also take Space as a click.
  setFocusPolicy(Qt::NoFocus);
}

void FlatButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor face = isDown() ? kPressedFace : hot_ ? kHotFace : kFace;
  p.fillRect(rect(), face);
  p.setPen(kLightEdge);
  p.drawLine(0, 0, width() - 1, 0);
  p.drawLine(0, 0, 0, height() - 1);
  p.setPen(kShadowEdge.darker(isDown() ? 100 : 160));
  p.drawLine(0, height() - 1, width() - 1, height() - 1);
  p.drawLine(width() - 1, 0, width() - 1, height() - 1);
  p.setFont(dialogFont(12, hot_));
  p.setPen(isDown() || hot_ ? Qt::white : QColor(16, 18, 24));
  p.drawText(rect(), Qt::AlignCenter, text());
}

void FlatButton::enterEvent(QEnterEvent*) {
  hot_ = true;
  update();
}

void FlatButton::leaveEvent(QEvent*) {
  hot_ = false;
  update();
}

SkinnedDialog::SkinnedDialog(const QString& title, QSize clientSize, int panelTop)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      panelTop_(panelTop) {
  setWindowTitle(title);
  setFixedSize(clientSize);
  title_ = new QLabel(this);
  title_->setTextFormat(Qt::PlainText);
  title_->setText(title);
  title_->move(16, 7);
  title_->setFont(dialogFont(13, true));
  title_->setStyleSheet("color: rgb(230, 232, 236); background: transparent;");
  title_->setAttribute(Qt::WA_TransparentForMouseEvents);
  panel_ = new QWidget(this);
  panel_->setAutoFillBackground(true);
  QPalette palette = panel_->palette();
  palette.setColor(QPalette::Window, kPanel);
  panel_->setPalette(palette);
  panel_->setGeometry(kInset, panelTop, clientSize.width() - 2 * kInset,
                      clientSize.height() - panelTop - kInset);
  auto* picture = new QLabel(panel_);
  picture->setPixmap(QPixmap(":/skin/dialog.png"));
  picture->setGeometry(32, 28, 24, 54);
}

void SkinnedDialog::setClientWidth(int width) {
  setFixedSize(width, height());
  panel_->setGeometry(kInset, panelTop_, width - 2 * kInset, height() - panelTop_ - kInset);
  title_->adjustSize();
}

QLabel* SkinnedDialog::addLabel(const QString& text, int x, int y) {
  auto* label = new QLabel(panel_);
  // The lines carry texts from outside (a web reply, battery names, file
  // names): plain text, so none of it can style or link the dialog.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setFont(dialogFont(13));
  label->setStyleSheet("color: rgb(214, 218, 226); background: transparent;");
  label->move(x, y);
  label->adjustSize();
  return label;
}

FlatButton* SkinnedDialog::addButton(const QString& caption, int x, int y) {
  auto* button = new FlatButton(caption, panel_);
  button->move(x, y);
  connect(button, &QAbstractButton::pressed, this, [this] {
    if (buttonPressed) buttonPressed();
  });
  return button;
}

void SkinnedDialog::placeCentred() {
  const bool overMain = mainWindowVisible && mainWindowVisible();
  const QRect main = mainWindowFrame ? mainWindowFrame() : QRect();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  const dialogs::ScreenRect place = dialogs::centreDialog(
      width(), height(), overMain, {main.x(), main.y(), main.width(), main.height()},
      {area.x(), area.y(), area.width(), area.height()});
  move(place.left, place.top);
}

void SkinnedDialog::showInFront() {
  show();
  raise();
  activateWindow();
}

void SkinnedDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kTitleStrip);
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOffset_);
}

}  // namespace voltaro::ui
