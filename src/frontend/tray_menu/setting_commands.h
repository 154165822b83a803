// The menu items that change settings, shared with the Settings page's
// controls that do the same: "Always on Top" ("Battery on Top"), "Balloon
// Hints", the gadget's style, size and opacity, and the figures it shows.
// Each keeps the menu's mark, the page's control and the gadget in step
// with the setting.
#pragma once

#include <cstdint>

namespace voltaro::engine {
class Engine;
}

namespace voltaro::frontend::tray_menu {

// The figures the gadget may show besides the charge.
enum class GadgetFigure : std::uint8_t { Capacity, TimeRemaining, CpuUsage };

// The Settings page's controls of these settings.
inline constexpr int kBatteryOnTopControl = 23;
inline constexpr int kShowCapacityControl = 61;
inline constexpr int kShowTimeRemainingControl = 62;
inline constexpr int kShowCpuUsageControl = 63;
inline constexpr int kSmallSizeControl = 84;
inline constexpr int kStyle3DControl = 85;

// Rounds of at most 1 ms that a handler waits for the monitoring update in
// progress before it goes ahead.
inline constexpr int kIdleWaitRounds = 1000;

// Waits, processing messages with 1 ms sleeps, until the busy flag is clear
// or kIdleWaitRounds have passed. A handler reached from a wait inside the
// tick would otherwise wait on its own caller for ever.
void waitUntilIdle(engine::Engine& engine);

class SettingCommands {
 public:
  explicit SettingCommands(engine::Engine& engine) : engine_(engine) {}

  // Flips `BatteryOnTop`: the menu's mark, control 23 and the gadget follow.
  // The menu saves afterwards; the page's switch does not.
  void flipAlwaysOnTop();
  // Flips `BalloonHints`, the mark follows, and saves.
  void flipBalloonHints();
  // "2D Style" / "3D Style": the mark, control 85 and a gadget re-layout
  // (which saves).
  void chooseStyle(bool threeD);
  // "Large size" / "Small size": only a change of size does anything; then
  // as chooseStyle, with control 84.
  void chooseSize(bool small);
  // The mark, `GadgetOpacity`, a save, then the gadget's new opacity once
  // no monitoring update is in progress.
  void chooseOpacity(int percent);
  // Waits for the monitoring update in progress, flips the figure's
  // setting, the mark follows, saves and redraws the page's control.
  void flipShown(GadgetFigure figure);

 private:
  engine::Engine& engine_;
};

}  // namespace voltaro::frontend::tray_menu
