// The confirmation, advice and parameters windows: the Qt side of the
// confirmation, advice and parameters ports.
#pragma once

#include <array>
#include <functional>

#include "ui/skinned_dialog.h"
#include "view/advice_port.h"
#include "view/confirmation_port.h"
#include "view/parameters_port.h"

namespace voltaro::ui {

class ConfirmationWindow final : public SkinnedDialog, public view::ConfirmationPort {
  Q_OBJECT

 public:
  ConfirmationWindow();
  void showConfirmation(const view::ConfirmationTexts& texts, view::ConfirmationMode mode) override;

  // The answers, after the window has hidden itself (YES or OK, and NO).
  std::function<void()> answeredYes;
  std::function<void()> answeredNo;

  // For tests and the lead's wiring.
  FlatButton* yesButton() const { return yes_; }
  FlatButton* noButton() const { return no_; }
  FlatButton* okButton() const { return ok_; }
  QString line(int index) const { return lines_[static_cast<std::size_t>(index)]->text(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void answer(bool yes);

  std::array<QLabel*, 3> lines_{};
  FlatButton* yes_;
  FlatButton* no_;
  FlatButton* ok_;
};

class AdviceWindow final : public SkinnedDialog, public view::AdvicePort {
  Q_OBJECT

 public:
  AdviceWindow();
  void fill(const view::AdviceContent& content) override;
  void show() override;
  void bringToFront() override;

  QString answer(int index) const { return answers_[static_cast<std::size_t>(index)]->text(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* battery_;
  std::array<QLabel*, view::kAdviceItemCount> answers_{};
};

class ParametersWindow final : public SkinnedDialog, public view::ParametersPort {
  Q_OBJECT

 public:
  ParametersWindow();
  void fill(const view::ParametersContent& content) override;
  void show() override;
  void hide() override { QWidget::hide(); }

  // YES writes the plan values and starts the calibration; NO ends it.
  std::function<void()> answeredYes;
  std::function<void()> answeredNo;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void answer(bool yes);
  std::array<QLabel*, 7> values_{};
  QLabel* question_;
};

}  // namespace voltaro::ui
