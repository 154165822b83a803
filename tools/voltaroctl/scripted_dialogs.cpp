#include "scripted_dialogs.h"

#include "engine/engine.h"

namespace voltaro::tools {

namespace {
constexpr std::uint32_t kReadingMilliseconds = 2000;
}  // namespace

ScriptedDialogs::ScriptedDialogs(platform::Runtime& runtime, ChangePrinter& printer,
                                 std::function<engine::Engine*()> engine,
                                 std::function<std::optional<std::string>()> answer)
    : printer_(printer),
      engine_(std::move(engine)),
      answer_(std::move(answer)),
      timer_(runtime.createTimer()) {
  timer_->setInterval(kReadingMilliseconds);
  timer_->setHandler([this] { answerOpenDialog(); });
}

void ScriptedDialogs::showConfirmation(const view::ConfirmationTexts& texts,
                                       view::ConfirmationMode mode) {
  std::string text =
      (mode == view::ConfirmationMode::YesNo ? "dialog question " : "dialog notice ") +
      texts.title + ": " + texts.line0;
  for (const std::string* line : {&texts.line1, &texts.line2}) {
    if (!line->empty()) text += " / " + *line;
  }
  printer_.line(text);
  opened(Open::Confirmation);
}

void ScriptedDialogs::show() {
  const view::ParametersContent& c = content_;
  printer_.line("dialog parameters: plan " + c.activePlan + ", charge " + c.chargeLevel +
                ", low action " + c.lowAction + ", critical level " + c.criticalLevel +
                ", critical action " + c.criticalAction + ", reserve " + c.reserveLevel + " / " +
                c.question);
  opened(Open::Parameters);
}

void ScriptedDialogs::closeAll() {
  open_ = Open::None;
  timer_->setEnabled(false);
}

// A dialog shown while another is open replaces it: the answer goes to the
// latest, two seconds after it appeared.
void ScriptedDialogs::opened(Open which) {
  open_ = which;
  timer_->setEnabled(false);
  timer_->setEnabled(true);
}

void ScriptedDialogs::answerOpenDialog() {
  timer_->setEnabled(false);
  const Open which = open_;
  open_ = Open::None;
  engine::Engine* engine = engine_();
  if (which == Open::None || engine == nullptr) return;
  const std::optional<std::string> word = answer_();
  if (!word) {
    printer_.line("dialog unanswered");
    return;
  }
  printer_.line("dialog answer " + *word);
  const bool yes = *word != "no";
  if (which == Open::Parameters) {
    yes ? engine->calibration().parametersYes() : engine->calibration().parametersNo();
  } else {
    yes ? engine->dialog().answerYes() : engine->dialog().answerNo();
  }
}

}  // namespace voltaro::tools
