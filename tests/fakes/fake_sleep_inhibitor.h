// A sleep inhibitor that only records whether its lock is held and why.
#pragma once

#include <string>

#include "platform/sleep_inhibitor.h"

namespace voltaro::fakes {

class FakeSleepInhibitor : public platform::SleepInhibitor {
 public:
  bool available() override { return present; }
  bool hold(const std::string& why) override {
    if (!present) return false;
    reason = why;
    held_ = true;
    return true;
  }
  void release() override { held_ = false; }
  bool held() const override { return held_; }

  bool present = true;
  std::string reason;

 private:
  bool held_ = false;
};

}  // namespace voltaro::fakes
