// The state machine of the main window's skinned image controls: hit areas,
// the three looks (resting, hot, pressed), press, hover, leave and release.
//
// Pure logic without Qt: the window forwards its mouse events here and is told
// which controls to redraw, when to play the click, when to drag the window
// and which command to run.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace voltaro::frontend::main_window {

inline constexpr int kFirstControl = 1;
inline constexpr int kLastControl = 90;
inline constexpr int kTopBarLastControl = 11;
inline constexpr int kTopBarSize = 90;  // pixels, the top-bar buttons
inline constexpr int kSmallSize = 26;   // pixels, the round controls

enum class Visual : std::uint8_t { Resting = 0, Hot = 1, Pressed = 2 };

// Controls 1..11 are the square top-bar buttons, inside everywhere; the others
// are round: inside when the rounded distance from (13, 13) is below 13.
bool insideHitArea(int number, int x, int y);

enum class PressOutcome {
  Pressed,         // the control took the press (click sound, pressed look)
  AlreadyPressed,  // a repeated press while pressed: nothing
  StartDrag,       // outside the round hit area: the window is dragged instead
};

class SkinControls {
 public:
  struct Callbacks {
    std::function<void(int number)> redraw;  // the control's look changed
    std::function<void()> click;             // the click sound, gated by the caller
  };

  explicit SkinControls(Callbacks callbacks);

  // Clears every control's state bytes (start-up); redraws nothing.
  void clear();

  PressOutcome press(int number, int x, int y);
  void hover(int number, int x, int y);
  void leave(int number);
  // The release of a press on `number`, inside or not: the look follows the
  // hit test and the caller runs the command when this returns true.
  bool release(int number, int x, int y);
  // The background was moved over: every control rests, none stays pressed.
  void resetAll();

  Visual visual(int number) const { return state(number).visual; }
  bool pressed(int number) const { return state(number).pressed; }
  bool inside(int number) const { return state(number).inside; }

 private:
  struct State {
    Visual visual = Visual::Resting;
    bool inside = false;
    bool pressed = false;
  };
  static bool valid(int number) { return number >= kFirstControl && number <= kLastControl; }
  State& state(int number) { return states_[static_cast<std::size_t>(number)]; }
  const State& state(int number) const { return states_[static_cast<std::size_t>(number)]; }
  void setVisual(int number, Visual visual);
  bool hitTest(int number, int x, int y);

  Callbacks callbacks_;
  std::array<State, kLastControl + 1> states_{};
};

}  // namespace voltaro::frontend::main_window
