// What the engine asks of the desktop gadget. The program's gadget window
// implements it; every default does nothing, so a front end without a
// gadget (voltaroctl, the tests) runs the engine unchanged.
#pragma once

#include <string>

namespace voltaro::engine {

class GadgetPort {
 public:
  virtual ~GadgetPort() = default;

  // True once the gadget has finished its creation; monitoring waits for it.
  virtual bool gadgetCreated() { return true; }
  // Switches between stay-on-top and an ordinary window, then redraws.
  virtual void setGadgetStayOnTop(bool /*onTop*/) {}
  // The first readings are complete: compose, show at alpha 0, fade in.
  virtual void showGadgetFirstTime() {}
  // A shown figure changed: compose and show at the resting opacity.
  virtual void refreshGadget() {}
  virtual void hideGadget() {}
  // "Show Battery Gadget" came back on.
  virtual void showGadget() {}
  virtual void setGadgetHint(const std::string& /*hint*/) {}
  // A new size or style: new shape, position pulled back on screen, redraw.
  virtual void relayoutGadget() {}
  // Applies `GadgetOpacity` unless the pointer rests on the gadget.
  virtual void applyGadgetOpacity() {}
  virtual void bringGadgetToFront() {}
};

}  // namespace voltaro::engine
