// A tray port that records the hints, icons and balloons it is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/tray_port.h"

namespace voltaro::fakes {

class FakeTray : public view::TrayPort {
 public:
  struct Balloon {
    std::string title;
    std::string text;
    view::BalloonIcon icon;
    std::uint32_t timeoutMilliseconds;
  };

  void setHint(const std::string& value) override { hints.push_back(value); }
  void setIcon(int picture) override { icons.push_back(picture); }
  void showBalloon(const std::string& title, const std::string& text, view::BalloonIcon icon,
                   std::uint32_t timeoutMilliseconds) override {
    balloons.push_back(Balloon{title, text, icon, timeoutMilliseconds});
  }

  std::string hint() const { return hints.empty() ? std::string() : hints.back(); }

  std::vector<std::string> hints;
  std::vector<int> icons;
  std::vector<Balloon> balloons;
};

}  // namespace voltaro::fakes
