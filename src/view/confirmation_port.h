// The confirmation dialog as the subsystems see it: one entry point for every
// question and notice. The dialog is modeless; the answer comes back later
// through the pending dialog code (dialogs/pending_dialog.h).
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::view {

// Which buttons the dialog shows. Any mode number other than 2 shows only OK.
enum class ConfirmationMode : std::uint8_t {
  Ok = 1,     // a notice: only the OK button
  YesNo = 2,  // a question: YES and NO, OK hidden
};

// Maps the callers' mode number to the buttons shown.
constexpr ConfirmationMode confirmationModeFromNumber(int mode) {
  return mode == 2 ? ConfirmationMode::YesNo : ConfirmationMode::Ok;
}

struct ConfirmationTexts {
  std::string title;
  std::string line0;  // empty lines are shown as empty texts
  std::string line1;
  std::string line2;
  bool operator==(const ConfirmationTexts&) const = default;
};

class ConfirmationPort {
 public:
  virtual ~ConfirmationPort() = default;
  // Sets the four texts, shows the dialog without making it modal, brings it
  // to the top and makes it the foreground window. Returns at once.
  virtual void showConfirmation(const ConfirmationTexts& texts, ConfirmationMode mode) = 0;
};

}  // namespace voltaro::view
