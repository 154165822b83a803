#include "frontend/main_window/skin_controls.h"

#include <cmath>

namespace voltaro::frontend::main_window {

bool insideHitArea(int number, int x, int y) {
  if (number <= kTopBarLastControl) return true;
  const double dx = 13 - x;
  const double dy = 13 - y;
  // Rounded half away from zero like the skin's original arithmetic; only the
  // border ring at exactly 12.5 depends on it.
  return std::lround(std::sqrt(dx * dx + dy * dy)) < 13;
}

SkinControls::SkinControls(Callbacks callbacks) : callbacks_(std::move(callbacks)) {}

void SkinControls::clear() {
  states_.fill(State{});
}

void SkinControls::setVisual(int number, Visual visual) {
  State& s = state(number);
  if (s.visual == visual) return;
  s.visual = visual;
  if (callbacks_.redraw) callbacks_.redraw(number);
}

bool SkinControls::hitTest(int number, int x, int y) {
  const bool in = insideHitArea(number, x, y);
  state(number).inside = in;
  return in;
}

PressOutcome SkinControls::press(int number, int x, int y) {
  if (!valid(number)) return PressOutcome::AlreadyPressed;
  if (!hitTest(number, x, y)) return PressOutcome::StartDrag;
  State& s = state(number);
  if (s.pressed) return PressOutcome::AlreadyPressed;
  s.pressed = true;
  setVisual(number, Visual::Pressed);
  if (callbacks_.click) callbacks_.click();
  return PressOutcome::Pressed;
}

void SkinControls::hover(int number, int x, int y) {
  if (!valid(number)) return;
  for (int other = kFirstControl; other <= kLastControl; ++other) {
    if (other == number) continue;
    state(other).pressed = false;
    setVisual(other, Visual::Resting);
  }
  const bool in = hitTest(number, x, y);
  if (in && state(number).pressed) {
    setVisual(number, Visual::Pressed);
    return;
  }
  setVisual(number, in ? Visual::Hot : Visual::Resting);
}

void SkinControls::leave(int number) {
  if (!valid(number)) return;
  state(number).pressed = false;
  setVisual(number, Visual::Resting);
}

bool SkinControls::release(int number, int x, int y) {
  if (!valid(number)) return false;
  state(number).pressed = false;
  setVisual(number, hitTest(number, x, y) ? Visual::Hot : Visual::Resting);
  return true;
}

void SkinControls::resetAll() {
  for (int number = kFirstControl; number <= kLastControl; ++number) {
    state(number).pressed = false;
    setVisual(number, Visual::Resting);
  }
}

}  // namespace voltaro::frontend::main_window
