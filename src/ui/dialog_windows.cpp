#include "ui/dialog_windows.h"

#include <QKeyEvent>

#include "dialogs/confirmation_layout.h"
#include "dialogs/dialog_texts.h"

namespace voltaro::ui {

namespace {
bool isEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
QString qs(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

ConfirmationWindow::ConfirmationWindow()
    : SkinnedDialog("Confirmation",
                    {dialogs::kConfirmationDesignWidth, dialogs::kConfirmationClientHeight}, 35) {
  lines_ = {addLabel("Line 0", 92, 24), addLabel("Line 1", 92, 56), addLabel("Line 2", 92, 88)};
  yes_ = addButton("YES", 218, dialogs::kConfirmationButtonTop);
  no_ = addButton("NO", 302, dialogs::kConfirmationButtonTop);
  ok_ = addButton("OK", 261, dialogs::kConfirmationButtonTop);
  ok_->hide();
  connect(yes_, &QAbstractButton::clicked, this, [this] { answer(true); });
  connect(ok_, &QAbstractButton::clicked, this, [this] { answer(true); });
  connect(no_, &QAbstractButton::clicked, this, [this] { answer(false); });
}

void ConfirmationWindow::showConfirmation(const view::ConfirmationTexts& texts,
                                          view::ConfirmationMode mode) {
  setTitle(qs(texts.title));
  const std::array<const std::string*, 3> lines = {&texts.line0, &texts.line1, &texts.line2};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines_[i]->setText(qs(*lines[i]));
    lines_[i]->adjustSize();
  }
  const bool question = mode == view::ConfirmationMode::YesNo;
  yes_->setVisible(question);
  no_->setVisible(question);
  ok_->setVisible(!question);
  const dialogs::ConfirmationLayout layout = dialogs::layoutConfirmation(texts);
  setClientWidth(layout.clientWidth);
  yes_->move(layout.yesLeft, dialogs::kConfirmationButtonTop);
  no_->move(layout.noLeft, dialogs::kConfirmationButtonTop);
  ok_->move(layout.okLeft, dialogs::kConfirmationButtonTop);
  placeCentred();
  showInFront();
}

void ConfirmationWindow::answer(bool yes) {
  QWidget::hide();
  const auto& callback = yes ? answeredYes : answeredNo;
  if (callback) callback();
}

void ConfirmationWindow::keyPressEvent(QKeyEvent* event) {
  // Enter answers YES, or OK in a notice; the dialog has no cancel key.
  if (isEnter(event)) answer(true);
}

AdviceWindow::AdviceWindow() : SkinnedDialog(dialogs::kAdviceTitle, {590, 333}, 32) {
  addLabel(dialogs::kAdviceBattery, 86, 24);
  battery_ = addLabel("Battery 1", 160, 24);
  addLabel(dialogs::kAdviceIntro[0], 86, 54);
  addLabel(dialogs::kAdviceIntro[1], 86, 84);
  const auto& items = dialogs::kAdviceItems;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int y = 114 + 30 * static_cast<int>(i);
    addLabel(items[i], 86, y);
    answers_[i] = addLabel("No", 480, y);
    answers_[i]->setFixedWidth(25);
    answers_[i]->setAlignment(Qt::AlignRight);
  }
  FlatButton* ok = addButton("OK", 261, 248);
  connect(ok, &QAbstractButton::clicked, this, [this] { QWidget::hide(); });
}

void AdviceWindow::fill(const view::AdviceContent& content) {
  battery_->setText(qs(content.battery));
  battery_->adjustSize();
  for (std::size_t i = 0; i < answers_.size(); ++i) {
    const view::AdviceAnswer& a = content.answers[i];
    answers_[i]->setText(qs(a.text));
    answers_[i]->setStyleSheet(QString("color: rgb(%1, %2, %3); background: transparent;")
                                   .arg(a.colour.red)
                                   .arg(a.colour.green)
                                   .arg(a.colour.blue));
  }
}

void AdviceWindow::show() {
  placeCentred();
  QWidget::show();
}

void AdviceWindow::bringToFront() {
  raise();
  activateWindow();
}

void AdviceWindow::keyPressEvent(QKeyEvent*) {
  QWidget::hide();
}

ParametersWindow::ParametersWindow() : SkinnedDialog(dialogs::kParametersTitle, {590, 389}, 35) {
  const auto& rows = dialogs::kParameterRows;
  const std::array<const char*, 7> designs = {
      "Name", "00%", "Do nothing", "00%", "Do nothing", "00%", dialogs::kSleepAndHibernation};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int y = 24 + 32 * static_cast<int>(i);
    addLabel(rows[i], 124, y);
    values_[i] = addLabel(designs[i], 308, y);
  }
  question_ = addLabel("Question", 124, 248);
  FlatButton* yes = addButton("YES", 218, 294);
  FlatButton* no = addButton("NO", 302, 294);
  connect(yes, &QAbstractButton::clicked, this, [this] { answer(true); });
  connect(no, &QAbstractButton::clicked, this, [this] { answer(false); });
}

void ParametersWindow::fill(const view::ParametersContent& content) {
  const std::array<const std::string*, 7> values = {
      &content.activePlan,         &content.chargeLevel,    &content.lowAction,
      &content.criticalLevel,      &content.criticalAction, &content.reserveLevel,
      &content.sleepAndHibernation};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values_[i]->setText(qs(*values[i]));
    values_[i]->adjustSize();
  }
  question_->setText(qs(content.question));
  question_->adjustSize();
}

void ParametersWindow::show() {
  placeCentred();
  showInFront();
}

void ParametersWindow::answer(bool yes) {
  const auto& callback = yes ? answeredYes : answeredNo;
  if (callback) callback();
  QWidget::hide();
}

void ParametersWindow::keyPressEvent(QKeyEvent* event) {
  if (isEnter(event)) answer(true);
}

}  // namespace voltaro::ui
