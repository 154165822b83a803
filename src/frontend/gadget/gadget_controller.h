// The desktop gadget's behaviour, toolkit-neutral: its creation and place,
// the picture it shows and when, its fades, the drag, the keys and the
// double click, and every hook the engine has on it (engine::GadgetPort).
// A front end supplies the window (GadgetSurface) and the text drawing
// (gadget::TextPainter) and forwards the window's mouse and key events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/gadget_port.h"
#include "frontend/gadget/gadget_hover.h"
#include "frontend/gadget/gadget_surface.h"
#include "gadget/gadget_composer.h"
#include "gadget/gadget_skins.h"

namespace voltaro::engine {
class Engine;
}

namespace voltaro::frontend {

class GadgetController : public engine::GadgetPort {
 public:
  // `draw(n)` returns a random whole number in 0..n-1 (the double click's
  // one-in-five update check).
  GadgetController(GadgetSurface& surface, gadget::TextPainter& painter,
                   std::function<int(int)> draw = {});
  ~GadgetController() override;

  // The engine exists; nothing happens before.
  void attach(engine::Engine& engine);
  // `FormCreate`, once the engine has its data folder: the place from
  // "battery.ini" (or the default), pulled on screen and saved, the skins,
  // the hint. Monitoring starts only after this.
  void formCreate(gadget::GadgetSkins skins);

  // engine::GadgetPort
  bool gadgetCreated() override { return created_; }
  void setGadgetStayOnTop(bool onTop) override;
  void showGadgetFirstTime() override;
  void refreshGadget() override;
  void hideGadget() override;
  void showGadget() override;
  void setGadgetHint(const std::string& hint) override;
  void relayoutGadget() override;
  void applyGadgetOpacity() override;
  void bringGadgetToFront() override;

  // Events of the window; positions are screen coordinates.
  void leftButtonDown(gadget::GadgetPosition pointer);
  void mouseMove(gadget::GadgetPosition pointer);
  void leftButtonUp();
  void mouseEnter();
  void mouseLeave();
  void doubleClick();
  void keyPress(char key);
  void closeRequest();
  // Whether the window shows its hint (`ShowGadgetHints`).
  bool hintsShown() const;

  bool dragging() const { return dragging_; }
  const GadgetHover* hover() const { return hover_.get(); }
  const gadget::PixelBuffer& picture() const;

 private:
  // `p001` for the figures of the moment.
  void compose();
  // `p002b`: the composed picture with a global alpha.
  void show(std::uint8_t alpha);
  // `combo`: compose, then show at the current opacity (or at the alpha of
  // a fade that is running).
  void combo();
  void savexy();
  void waitForTick(int rounds);

  GadgetSurface& surface_;
  gadget::TextPainter& painter_;
  std::function<int(int)> draw_;
  engine::Engine* engine_ = nullptr;
  std::unique_ptr<GadgetHover> hover_;
  gadget::GadgetSkins skins_;
  gadget::GadgetComposer composer_;
  gadget::GadgetFigures figures_;  // of the picture composed last
  const gadget::PixelBuffer* picture_ = nullptr;
  std::uint8_t alpha_ = 0;
  bool created_ = false;
  bool dragging_ = false;
  gadget::GadgetPosition dragAnchor_;  // pointer minus window corner
};

}  // namespace voltaro::frontend
