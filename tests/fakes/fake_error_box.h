// A start-up error box that records the texts shown.
#pragma once

#include <string>
#include <vector>

#include "view/error_box.h"

namespace voltaro::fakes {

class FakeErrorBox : public view::ErrorBox {
 public:
  void showError(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

}  // namespace voltaro::fakes
