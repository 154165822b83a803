#include "monitor/tray_icon.h"

#include "view/tray_port.h"

namespace voltaro::monitor {

namespace {
// Highest percent of each level 0..13; above the last one is level 14.
constexpr std::array<int, 14> kLevelTops = {5, 11, 17, 23, 29, 35, 41, 48, 55, 63, 71, 78, 86, 93};
}  // namespace

std::uint8_t trayLevel(int percent) {
  std::uint8_t level = 0;
  for (int top : kLevelTops) {
    if (percent <= top) return level;
    ++level;
  }
  return level;
}

void TrayIcon::settrayicon(int percent, bool onPower, bool charging) {
  std::uint8_t level = trayLevel(percent);
  if (onPower && charging && percent != 100) {
    level = state_ == kChargingFrameA ? kChargingFrameB : kChargingFrameA;
  }
  if (level == state_) return;
  state_ = level;
  tray_.setIcon(state_);
}

}  // namespace voltaro::monitor
