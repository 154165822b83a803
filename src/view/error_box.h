// The modal error message box of the start-up, shown before any window.
#pragma once

#include <string>

namespace voltaro::view {

class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  // Shows `text` in an error box with one OK button and returns once it is
  // dismissed.
  virtual void showError(const std::string& text) = 0;
};

}  // namespace voltaro::view
