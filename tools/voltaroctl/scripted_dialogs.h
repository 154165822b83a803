// The confirmation and parameters dialogs of a simulation: each shown
// dialog is printed, and two seconds later (the user reads it) answered
// with the scenario's next answer:
//
//   dialog question TITLE: LINE / LINE / LINE     (YES and NO)
//   dialog notice TITLE: LINE / ...               (OK only)
//   dialog parameters: plan NAME, charge P%, ... / QUESTION
//   dialog answer yes|no|ok
//   dialog unanswered                             (no answer left: it stays open)
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "change_printer.h"
#include "platform/runtime.h"
#include "view/confirmation_port.h"
#include "view/parameters_port.h"

namespace voltaro::engine {
class Engine;
}

namespace voltaro::tools {

class ScriptedDialogs : public view::ConfirmationPort, public view::ParametersPort {
 public:
  // `engine` gives the running engine (nullptr while the computer is off),
  // `answer` the scenario's next answer.
  ScriptedDialogs(platform::Runtime& runtime, ChangePrinter& printer,
                  std::function<engine::Engine*()> engine,
                  std::function<std::optional<std::string>()> answer);

  void showConfirmation(const view::ConfirmationTexts& texts, view::ConfirmationMode mode) override;
  void fill(const view::ParametersContent& content) override { content_ = content; }
  void show() override;
  void hide() override {}

  // The computer went off: no dialog is open any more.
  void closeAll();

 private:
  enum class Open { None, Confirmation, Parameters };
  void opened(Open which);
  void answerOpenDialog();

  ChangePrinter& printer_;
  std::function<engine::Engine*()> engine_;
  std::function<std::optional<std::string>()> answer_;
  std::unique_ptr<platform::Timer> timer_;
  view::ParametersContent content_;
  Open open_ = Open::None;
};

}  // namespace voltaro::tools
