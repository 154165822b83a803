// The gadget's fades on the runtime's timers: the fade played one step every
// 10 ms (appearing, and back to rest), and the hover: while the mouse rests
// on the gadget it is opaque, and about two seconds after the mouse last
// moved over it, it fades back to its resting opacity.
//
// The hover's 40 ms timer counts a hold counter down: entering sets it to
// 50, each move renews a non-zero counter to 48. When it runs out with the
// mouse still inside it stays at 1; with the mouse gone the fade back runs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/runtime.h"

namespace voltaro::frontend {

class GadgetHover {
 public:
  struct Hooks {
    // Shows the gadget's picture with this global alpha.
    std::function<void(std::uint8_t)> show;
    // True while the monitoring tick (or another holder) has the busy flag.
    std::function<bool()> busy;
    // Waits briefly for a busy tick to finish, processing messages.
    std::function<void()> waitForTick;
    // `GadgetOpacity`, 20..100.
    std::function<int()> configuredOpacity;
  };

  GadgetHover(platform::Runtime& runtime, Hooks hooks);

  void enter();
  void move();
  void leave();

  // Shows `alphas` one after the other, the first at once and then one
  // every 10 ms, replacing a fade that is still running.
  void play(std::vector<std::uint8_t> alphas);
  // Stops a running fade where it is.
  void stopFade() { fade_->setEnabled(false); }
  // Stops the fade and the hover (the gadget is hidden).
  void stop();

  bool fading() const { return fade_->enabled(); }
  // The mouse is on the gadget, or the gadget is still opaque from it.
  bool pointerOver() const { return inside_ || hover_->enabled(); }
  // 100 while the gadget is opaque from the hover, else `GadgetOpacity`.
  int currentOpacity() const;
  int holdCounter() const { return hold_; }

 private:
  void hoverTick();
  void fadeStep();

  Hooks hooks_;
  std::unique_ptr<platform::Timer> hover_;
  std::unique_ptr<platform::Timer> fade_;
  std::vector<std::uint8_t> steps_;
  std::size_t next_ = 0;
  int hold_ = 0;
  bool inside_ = false;
  bool opaque_ = false;
};

}  // namespace voltaro::frontend
