// The parameters dialog as the subsystems see it: the power-plan values a
// calibration is about to set, and a YES/NO question. The dialog is
// modeless; its YES and NO buttons are reported to the calibration by the
// window.
#pragma once

#include <string>

namespace voltaro::view {

struct ParametersContent {
  std::string activePlan;      // "Active power plan:"
  std::string chargeLevel;     // "Battery charge level:", e.g. "87%"
  std::string lowAction;       // "Low battery action:"
  std::string criticalLevel;   // "Critical battery level:"
  std::string criticalAction;  // "Critical battery action:"
  std::string reserveLevel;    // "Reserve battery level:"
  std::string question;
  std::string sleepAndHibernation = "OFF";  // "Sleep and Hibernation:"
  bool operator==(const ParametersContent&) const = default;
};

class ParametersPort {
 public:
  virtual ~ParametersPort() = default;
  // Replaces the shown values; does not show the dialog.
  virtual void fill(const ParametersContent& content) = 0;
  // Shows the dialog without making it modal, centred over the main window
  // when that is visible, else on the screen.
  virtual void show() = 0;
  virtual void hide() = 0;
};

}  // namespace voltaro::view
