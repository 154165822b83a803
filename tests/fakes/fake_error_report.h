// A general error report that collects the messages.
#pragma once

#include <string>
#include <vector>

#include "view/status_line.h"

namespace voltaro::fakes {

class FakeErrorReport : public view::ErrorReport {
 public:
  void report(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

class FakeStatusLine : public view::StatusLine {
 public:
  void show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

}  // namespace voltaro::fakes
