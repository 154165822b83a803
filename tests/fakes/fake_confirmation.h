// A confirmation dialog that records every showing.
#pragma once

#include <vector>

#include "view/confirmation_port.h"

namespace voltaro::fakes {

class FakeConfirmation : public view::ConfirmationPort {
 public:
  struct Shown {
    view::ConfirmationTexts texts;
    view::ConfirmationMode mode;
  };

  void showConfirmation(const view::ConfirmationTexts& texts,
                        view::ConfirmationMode mode) override {
    shown.push_back(Shown{texts, mode});
  }

  const Shown& last() const { return shown.back(); }

  std::vector<Shown> shown;
};

}  // namespace voltaro::fakes
