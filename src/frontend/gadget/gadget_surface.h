// What the gadget's behaviour asks of the window that shows it: a frameless,
// per-pixel translucent window without a taskbar button. The Qt program
// implements it with a QWidget; the tests record what it is asked.
#pragma once

#include <cstdint>
#include <string>

#include "gadget/gadget_placement.h"
#include "gadget/pixel_buffer.h"

namespace voltaro::frontend {

class GadgetSurface {
 public:
  virtual ~GadgetSurface() = default;

  // The primary screen, for the default place, and the whole desktop, for
  // pulling the window back on screen; both measured from the origin.
  virtual gadget::ScreenArea primaryScreen() const = 0;
  virtual gadget::ScreenArea desktop() const = 0;

  virtual void resizeWindow(gadget::PixelSize size) = 0;
  virtual void moveWindow(gadget::GadgetPosition position) = 0;
  virtual gadget::GadgetPosition windowPosition() const = 0;

  // Puts `picture` (premultiplied, per-pixel alpha) on screen with the
  // global alpha `alpha`, 0..255. The window keeps showing it until the next
  // call; a hidden window shows it when it is shown.
  virtual void present(const gadget::PixelBuffer& picture, std::uint8_t alpha) = 0;
  virtual void showWindow() = 0;
  virtual void hideWindow() = 0;
  virtual bool windowVisible() const = 0;
  virtual void setStayOnTop(bool onTop) = 0;
  // The hint shown while `ShowGadgetHints` is on; "\r\n" breaks lines.
  virtual void setHint(const std::string& hint) = 0;
  virtual void bringToFront() = 0;
  // The refusal beep (a close request).
  virtual void beep() = 0;
  // Shows and restores the main window, in front and focused.
  virtual void showMainWindow() = 0;
};

}  // namespace voltaro::frontend
