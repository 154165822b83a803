#include "frontend/gadget/gadget_hover.h"

#include "gadget/gadget_fades.h"

namespace voltaro::frontend {

namespace {
constexpr int kFullOpacity = 100;
}

GadgetHover::GadgetHover(platform::Runtime& runtime, Hooks hooks)
    : hooks_(std::move(hooks)), hover_(runtime.createTimer()), fade_(runtime.createTimer()) {
  hover_->setInterval(gadget::kHoverTimerMilliseconds);
  hover_->setHandler([this] { hoverTick(); });
  fade_->setInterval(gadget::kFadeStepMilliseconds);
  fade_->setHandler([this] { fadeStep(); });
}

int GadgetHover::currentOpacity() const {
  return opaque_ ? kFullOpacity : hooks_.configuredOpacity();
}

void GadgetHover::enter() {
  const int opacity = hooks_.configuredOpacity();
  if (opacity >= kFullOpacity) return;
  inside_ = true;
  if (hold_ != 0) {
    hold_ = gadget::kHoldOnEnter;
    return;
  }
  hold_ = gadget::kHoldOnEnter;
  if (hooks_.busy()) hooks_.waitForTick();
  fade_->setEnabled(false);
  // No pause between the steps: the gadget turns opaque at once.
  for (std::uint8_t alpha : gadget::hoverInAlphas(opacity)) hooks_.show(alpha);
  opaque_ = true;
  hover_->setEnabled(true);
}

void GadgetHover::move() {
  if (hold_ != 0) hold_ = gadget::kHoldOnMove;
}

void GadgetHover::leave() {
  inside_ = false;
}

void GadgetHover::hoverTick() {
  if (hooks_.busy()) return;
  if (hold_ > 0) --hold_;
  if (hold_ > 0) return;
  if (inside_) {
    hold_ = 1;
    return;
  }
  hover_->setEnabled(false);
  opaque_ = false;
  play(gadget::hoverOutAlphas(hooks_.configuredOpacity()));
}

void GadgetHover::play(std::vector<std::uint8_t> alphas) {
  steps_ = std::move(alphas);
  next_ = 0;
  fade_->setEnabled(false);
  fadeStep();
  if (next_ < steps_.size()) fade_->setEnabled(true);
}

void GadgetHover::fadeStep() {
  if (next_ >= steps_.size()) {
    fade_->setEnabled(false);
    return;
  }
  hooks_.show(steps_[next_++]);
  if (next_ >= steps_.size()) fade_->setEnabled(false);
}

void GadgetHover::stop() {
  fade_->setEnabled(false);
  hover_->setEnabled(false);
  steps_.clear();
  next_ = 0;
  hold_ = 0;
  inside_ = false;
  opaque_ = false;
}

}  // namespace voltaro::frontend
