// The tray icon picture: fifteen charge levels and two charging frames.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace voltaro::view {
class TrayPort;
}

namespace voltaro::monitor {

// Picture of each icon state, by the names of the embedded icons: 0..14 show
// a growing charge, 15 and 16 are the two charging frames.
inline constexpr std::array<std::string_view, 17> kTrayPictures = {
    "Image90", "Image91", "Image92", "Image26", "Image27", "Image28",
    "Image29", "Image30", "Image31", "Image32", "Image33", "Image34",
    "Image35", "Image36", "Image2",  "Image3",  "Image6"};

constexpr std::uint8_t kFullIconState = 14;
constexpr std::uint8_t kChargingFrameA = 15;
constexpr std::uint8_t kChargingFrameB = 16;

// Charge level 0..14 of a whole percent (0-5 is 0, 94-100 is 14).
std::uint8_t trayLevel(int percent);

class TrayIcon {
 public:
  explicit TrayIcon(view::TrayPort& tray) : tray_(tray) {}

  // Sets the picture for the percent; while charging below 100 % the icon
  // alternates between the two charging frames, one step per call. The tray
  // is told only when the state changes; it receives the state number.
  void settrayicon(int percent, bool onPower, bool charging);
  std::uint8_t state() const { return state_; }

 private:
  view::TrayPort& tray_;
  std::uint8_t state_ = kFullIconState;  // the full picture shows from start-up
};

}  // namespace voltaro::monitor
