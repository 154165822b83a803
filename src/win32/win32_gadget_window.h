// The desktop gadget on Win32: a layered tool window that shows the shared
// composition's premultiplied pixels with UpdateLayeredWindow, per-pixel
// alpha and the global opacity, with its hint in a tooltip, and hands its
// mouse and key messages to the gadget's controller.
#pragma once

#include <functional>
#include <string>

#include "frontend/gadget/gadget_controller.h"
#include "frontend/gadget/gadget_surface.h"
#include "gadget/canvas_gadget_text.h"

struct HWND__;

namespace voltaro::win32 {

class Win32GadgetWindow final : public frontend::GadgetSurface {
 public:
  Win32GadgetWindow();
  ~Win32GadgetWindow() override;
  Win32GadgetWindow(const Win32GadgetWindow&) = delete;
  Win32GadgetWindow& operator=(const Win32GadgetWindow&) = delete;

  frontend::GadgetController& controller() { return controller_; }
  HWND__* window() const { return window_; }
  long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

  // GadgetSurface
  gadget::ScreenArea primaryScreen() const override;
  gadget::ScreenArea desktop() const override;
  void resizeWindow(gadget::PixelSize size) override;
  void moveWindow(gadget::GadgetPosition position) override;
  gadget::GadgetPosition windowPosition() const override;
  void present(const gadget::PixelBuffer& picture, std::uint8_t alpha) override;
  void showWindow() override;
  void hideWindow() override;
  bool windowVisible() const override;
  void setStayOnTop(bool onTop) override;
  void setHint(const std::string& hint) override;
  void bringToFront() override;
  void beep() override;
  void showMainWindow() override;

  std::function<void()> mainWindowRequested;
  std::function<void(int x, int y)> contextMenuRequested;
  // What was put on screen last: its size and global alpha.
  gadget::PixelSize shownSize() const { return shownSize_; }
  std::uint8_t shownAlpha() const { return shownAlpha_; }
  const std::string& hint() const { return hint_; }

 private:
  HWND__* window_ = nullptr;
  HWND__* tooltip_ = nullptr;
  gadget::CanvasGadgetText painter_;
  frontend::GadgetController controller_;
  std::string hint_;
  gadget::PixelSize shownSize_{};
  std::uint8_t shownAlpha_ = 0;
  bool inside_ = false;
};

}  // namespace voltaro::win32
