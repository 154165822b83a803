#include "frontend/gadget/gadget_controller.h"

#include <cctype>
#include <random>

#include "common/file_io.h"
#include "common/scramble.h"
#include "engine/engine.h"
#include "frontend/gadget/gadget_figures.h"
#include "gadget/gadget_alpha.h"
#include "gadget/gadget_fades.h"
#include "gadget/gadget_placement.h"
#include "monitor/busy_flag.h"

namespace voltaro::frontend {

namespace {
// Rounds of 10 ms that the re-layout and the opacity wait for a busy tick,
// and that the hover waits before it turns the gadget opaque.
constexpr int kLayoutWaitRounds = 10;
constexpr int kHoverWaitRounds = 9;
// One double click in this many also checks for a new version.
constexpr int kUpdateCheckOdds = 5;

std::function<int(int)> randomDraw() {
  auto generator = std::make_shared<std::mt19937>(std::random_device{}());
  return [generator](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*generator); };
}
}  // namespace

GadgetController::GadgetController(GadgetSurface& surface, gadget::TextPainter& painter,
                                   std::function<int(int)> draw)
    : surface_(surface), painter_(painter), draw_(draw ? std::move(draw) : randomDraw()) {}

GadgetController::~GadgetController() = default;

void GadgetController::attach(engine::Engine& engine) {
  engine_ = &engine;
  GadgetHover::Hooks hooks{
      .show = [this](std::uint8_t alpha) { show(alpha); },
      .busy = [this] { return engine_->monitor().busy(); },
      .waitForTick = [this] { engine_->monitor().waitidle(kHoverWaitRounds); },
      .configuredOpacity = [this] { return static_cast<int>(engine_->settings().GadgetOpacity); }};
  hover_ = std::make_unique<GadgetHover>(engine.services().runtime, std::move(hooks));
}

void GadgetController::formCreate(gadget::GadgetSkins skins) {
  if (engine_ == nullptr) return;
  skins_ = std::move(skins);
  const gadget::GadgetLook look = gadgetLook(engine_->settings());
  surface_.resizeWindow(gadget::windowSize(look));
  std::optional<gadget::GadgetPosition> saved;
  bool unreadable = false;
  if (auto* store = engine_->settingsStore()) {
    const bool exists = fileExists(store->pathOf(settings::kGadgetPositionFileName));
    saved = store->readGadgetPosition();
    unreadable = exists && !saved;
  }
  surface_.moveWindow(
      gadget::startingPosition(saved, look, surface_.primaryScreen(), surface_.desktop()));
  // A file that could not be read (reported by the store) is left as it is
  // until the user places the gadget.
  if (!unreadable) savexy();
  surface_.setHint(productTitle());
  created_ = true;
}

const gadget::PixelBuffer& GadgetController::picture() const {
  static const gadget::PixelBuffer none;
  return picture_ != nullptr ? *picture_ : none;
}

void GadgetController::compose() {
  figures_ = gadgetFigures(*engine_);
  picture_ = &composer_.p001(skins_, figures_, painter_);
}

void GadgetController::show(std::uint8_t alpha) {
  alpha_ = alpha;
  if (picture_ != nullptr) surface_.present(*picture_, alpha);
}

void GadgetController::combo() {
  if (!created_) return;
  const std::uint8_t alpha =
      hover_->fading() ? alpha_ : gadget::opacityAlpha(hover_->currentOpacity());
  // The time shows minutes and the tick compares seconds: a picture that
  // would come out the same is not drawn again.
  if (picture_ != nullptr && alpha == alpha_ && gadgetFigures(*engine_) == figures_) return;
  compose();
  show(alpha);
}

void GadgetController::savexy() {
  if (auto* store = engine_->settingsStore()) store->writeGadgetPosition(surface_.windowPosition());
}

void GadgetController::waitForTick(int rounds) {
  if (engine_->monitor().busy()) engine_->monitor().waitidle(rounds);
}

void GadgetController::setGadgetStayOnTop(bool onTop) {
  if (!created_) return;
  surface_.setStayOnTop(onTop);
  combo();
}

void GadgetController::showGadgetFirstTime() {
  if (!created_) return;
  compose();
  show(0);
  surface_.showWindow();
  hover_->play(gadget::appearingAlphas(hover_->currentOpacity()));
}

void GadgetController::refreshGadget() {
  combo();
}

void GadgetController::hideGadget() {
  if (!created_) return;
  hover_->stop();
  surface_.hideWindow();
}

void GadgetController::showGadget() {
  // Before the first readings the tick shows the gadget itself.
  if (created_ && engine_->monitor().firstReadingDone()) showGadgetFirstTime();
}

void GadgetController::setGadgetHint(const std::string& hint) {
  if (created_) surface_.setHint(hint);
}

// `ajust`: the record is saved, the window takes its new size with its
// top-left corner kept, pulled back on screen where it sticks out.
void GadgetController::relayoutGadget() {
  // The engine has saved the record, waited for the tick and holds the busy
  // flag around this.
  if (!created_) return;
  const gadget::GadgetLook look = gadgetLook(engine_->settings());
  surface_.resizeWindow(gadget::windowSize(look));
  surface_.moveWindow(gadget::adjpoz(surface_.windowPosition(), look, surface_.desktop()));
  savexy();
  engine_->monitor().refreshChangeSnapshot();
  combo();
}

void GadgetController::applyGadgetOpacity() {
  if (!created_ || hover_->pointerOver()) return;
  waitForTick(kLayoutWaitRounds);
  monitor::BusyGuard hold(engine_->monitor().busyFlag());
  hover_->stopFade();
  show(gadget::opacityAlpha(engine_->settings().GadgetOpacity));
}

void GadgetController::bringGadgetToFront() {
  if (created_) surface_.bringToFront();
}

void GadgetController::leftButtonDown(gadget::GadgetPosition pointer) {
  const gadget::GadgetPosition corner = surface_.windowPosition();
  dragAnchor_ = {pointer.left - corner.left, pointer.top - corner.top};
  dragging_ = true;
}

void GadgetController::mouseMove(gadget::GadgetPosition pointer) {
  if (dragging_) {
    surface_.moveWindow({pointer.left - dragAnchor_.left, pointer.top - dragAnchor_.top});
  }
  if (hover_) hover_->move();
}

void GadgetController::leftButtonUp() {
  if (!dragging_) return;
  dragging_ = false;
  if (created_) savexy();
}

void GadgetController::mouseEnter() {
  if (created_) hover_->enter();
}

void GadgetController::mouseLeave() {
  if (created_) hover_->leave();
}

void GadgetController::doubleClick() {
  if (!created_) return;
  surface_.showMainWindow();
  if (draw_(kUpdateCheckOdds) == 0) engine_->updateCheck().act19();
}

void GadgetController::keyPress(char key) {
  if (!created_) return;
  switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'G':
      engine_->greenMode().toggleGreenMode();
      break;
    case 'P':
      // In memory only: the tray's check and the file follow other changes.
      engine_->settings().GadgetShowCpuUsage = engine_->settings().GadgetShowCpuUsage ? 0 : 1;
      break;
    case 'A':
      engine_->advice().act31();
      break;
    default:
      break;
  }
}

void GadgetController::closeRequest() {
  surface_.beep();
}

bool GadgetController::hintsShown() const {
  return engine_ != nullptr && engine_->settings().ShowGadgetHints != 0;
}

}  // namespace voltaro::frontend
