// A parameters dialog that records what it was filled with and whether it
// is shown.
#pragma once

#include <vector>

#include "view/parameters_port.h"

namespace voltaro::fakes {

class FakeParameters : public view::ParametersPort {
 public:
  void fill(const view::ParametersContent& value) override { fills.push_back(value); }
  void show() override {
    ++shows;
    visible = true;
  }
  void hide() override { visible = false; }

  std::vector<view::ParametersContent> fills;
  int shows = 0;
  bool visible = false;
};

}  // namespace voltaro::fakes
