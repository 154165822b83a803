// An advice dialog that keeps its content and records what was done to it.
#pragma once

#include <string>
#include <vector>

#include "view/advice_port.h"

namespace voltaro::fakes {

class FakeAdvice : public view::AdvicePort {
 public:
  void fill(const view::AdviceContent& value) override {
    content = value;
    ++fills;
  }
  void show() override { calls.push_back("show"); }
  void bringToFront() override { calls.push_back("front"); }

  view::AdviceContent content;
  int fills = 0;
  std::vector<std::string> calls;
};

}  // namespace voltaro::fakes
