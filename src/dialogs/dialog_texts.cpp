#include "dialogs/dialog_texts.h"

namespace voltaro::dialogs {

std::string adviceText(const view::AdviceContent& content) {
  std::string text = std::string(kAdviceBattery) + content.battery + "\n\n";
  for (const char* line : kAdviceIntro) text += std::string(line) + "\n";
  text += "\n";
  for (std::size_t i = 0; i < kAdviceItems.size(); ++i) {
    text += std::string(kAdviceItems[i]) + "\t" + content.answers[i].text + "\n";
  }
  return text;
}

std::string parametersText(const view::ParametersContent& content) {
  const std::array<const std::string*, 6> values = {&content.activePlan,     &content.chargeLevel,
                                                    &content.lowAction,      &content.criticalLevel,
                                                    &content.criticalAction, &content.reserveLevel};
  std::string text;
  for (std::size_t i = 0; i < kParameterRows.size(); ++i) {
    const std::string value = i < values.size() ? *values[i] : kSleepAndHibernation;
    text += std::string(kParameterRows[i]) + "\t" + value + "\n";
  }
  return text + "\n" + content.question;
}

}  // namespace voltaro::dialogs
