// The gadget's behaviour on the whole engine and virtual time: creation and
// the start of monitoring, the first fade-in, redraws, the re-layout, the
// opacity and the hover fade, the drag and "battery.ini", keys and clicks.
#include "frontend/gadget/gadget_controller.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "engine/engine_harness.h"
#include "gadget/gadget_fades.h"
#include "gadget/synthetic_skins.h"
#include "health/battery_advice.h"
#include "power/green_mode.h"

namespace voltaro::frontend {
namespace {

using gadget::GadgetPosition;
using gadget::PixelSize;

struct Shown {
  std::uint8_t alpha;
  std::uint64_t at;  // virtual milliseconds
};

struct RecordingSurface : GadgetSurface {
  explicit RecordingSurface(platform::sim::VirtualRuntime& r) : runtime(r) {}
  gadget::ScreenArea primaryScreen() const override { return {1280, 1024}; }
  gadget::ScreenArea desktop() const override { return {1280, 1024}; }
  void resizeWindow(PixelSize s) override { size = s; }
  void moveWindow(GadgetPosition p) override { position = p; }
  GadgetPosition windowPosition() const override { return position; }
  void present(const gadget::PixelBuffer& picture, std::uint8_t alpha) override {
    shown.push_back({alpha, runtime.elapsedMilliseconds()});
    pictureSize = picture.size();
  }
  void showWindow() override { visible = true; }
  void hideWindow() override { visible = false; }
  bool windowVisible() const override { return visible; }
  void setStayOnTop(bool on) override { onTop = on; }
  void setHint(const std::string& text) override { hint = text; }
  void bringToFront() override { ++fronts; }
  void beep() override { ++beeps; }
  void showMainWindow() override { ++mainWindowShows; }

  std::vector<std::uint8_t> alphasFrom(std::size_t first) const {
    std::vector<std::uint8_t> alphas;
    for (std::size_t i = first; i < shown.size(); ++i) alphas.push_back(shown[i].alpha);
    return alphas;
  }

  platform::sim::VirtualRuntime& runtime;
  PixelSize size;
  PixelSize pictureSize;
  GadgetPosition position;
  std::vector<Shown> shown;
  bool visible = false;
  bool onTop = false;
  std::string hint;
  int fronts = 0;
  int beeps = 0;
  int mainWindowShows = 0;
};

struct SilentPainter : gadget::TextPainter {
  void drawCentred(gadget::PixelBuffer&, const gadget::TextLine&) override {}
};

class GadgetControllerTest : public ::testing::Test {
 protected:
  GadgetControllerTest() { harness.gadget = &controller; }

  engine::Engine& engine() { return harness.engine(); }
  void createEngine() {
    ASSERT_EQ(harness.create(), 0);
    controller.attach(engine());
  }
  // Engine and gadget created, monitoring started, first readings shown.
  void start() {
    createEngine();
    controller.formCreate(gadget::testing::syntheticSkins());
    harness.startAndRun(10);
  }
  std::optional<GadgetPosition> savedPosition() {
    const auto bytes = readFileBytes(harness.dataFile("battery.ini"));
    if (!bytes || bytes->size() != 8) return std::nullopt;
    ByteReader reader(*bytes);
    return GadgetPosition{*reader.i32(), *reader.i32()};
  }

  testing::TemporaryFolder folder;
  testing::EngineHarness harness{folder.path()};
  RecordingSurface surface{harness.runtime};
  SilentPainter painter;
  int draw = 1;
  GadgetController controller{surface, painter, [this](int) { return draw; }};
};

TEST_F(GadgetControllerTest, MonitoringWaitsForTheGadgetThenItFadesIn) {
  createEngine();
  harness.startAndRun(3);
  EXPECT_EQ(engine().monitor().ticksRun(), 0u);
  EXPECT_FALSE(savedPosition());

  controller.formCreate(gadget::testing::syntheticSkins());
  // Small 3D by default: 49 x 118 at the bottom-right, 158 pixels up.
  EXPECT_EQ(surface.size, (PixelSize{49, 118}));
  EXPECT_EQ(savedPosition(), (GadgetPosition{1231, 866}));
  EXPECT_EQ(surface.hint, "Voltaro");

  harness.run(5);
  EXPECT_GT(engine().monitor().ticksRun(), 0u);
  ASSERT_TRUE(surface.visible);
  // Shown at alpha 0, then 20 steps 10 ms apart.
  std::size_t zero = 0;
  while (zero < surface.shown.size() && surface.shown[zero].alpha != 0) ++zero;
  ASSERT_EQ(surface.alphasFrom(zero + 1), gadget::appearingAlphas(100));
  for (std::size_t i = 1; i <= 20; ++i) {
    EXPECT_EQ(surface.shown[zero + i].at, surface.shown[zero].at + 10 * (i - 1));
  }
  EXPECT_NE(surface.hint, "Voltaro");  // the tray hint follows the first reading
}

TEST_F(GadgetControllerTest, SavedPositionOffTheScreenIsPulledBack) {
  createEngine();
  ByteWriter bytes;
  bytes.i32(-20);
  bytes.i32(5000);
  ASSERT_TRUE(replaceFileAtomically(harness.dataFile("battery.ini"), bytes.bytes()));
  controller.formCreate(gadget::testing::syntheticSkins());
  EXPECT_EQ(surface.position, (GadgetPosition{0, 1024 - 158}));
  EXPECT_EQ(savedPosition(), (GadgetPosition{0, 1024 - 158}));
}

TEST_F(GadgetControllerTest, UnreadablePositionIsReportedAndLeftUntilADrag) {
  createEngine();
  const std::vector<std::uint8_t> shortFile = {1, 2, 3};
  ASSERT_TRUE(replaceFileAtomically(harness.dataFile("battery.ini"), shortFile));
  controller.formCreate(gadget::testing::syntheticSkins());
  EXPECT_EQ(surface.position, (GadgetPosition{1280 - 49, 1024 - 158}));  // the default place
  EXPECT_EQ(harness.errors.messages.size(), 1u);
  EXPECT_EQ(readFileBytes(harness.dataFile("battery.ini")), shortFile);
  controller.leftButtonDown({1240, 900});
  controller.leftButtonUp();
  EXPECT_EQ(savedPosition(), (GadgetPosition{1231, 866}));
}

TEST_F(GadgetControllerTest, RedrawsOnlyOnAChangeAndShowsAgain) {
  start();
  const std::size_t before = surface.shown.size();
  harness.run(10);
  EXPECT_EQ(surface.shown.size(), before);  // nothing shown changed

  engine().settings().GadgetShowTimeRemaining = 1;
  harness.run(1);
  ASSERT_EQ(surface.shown.size(), before + 1);
  EXPECT_EQ(surface.shown.back().alpha, 255);

  engine().settings().ShowBatteryGadget = 0;
  engine().gadget().hideGadget();
  EXPECT_FALSE(surface.visible);
  engine().settings().ShowBatteryGadget = 1;
  engine().gadget().showGadget();
  EXPECT_TRUE(surface.visible);
  EXPECT_EQ(surface.shown[before + 1].alpha, 0);  // a fresh fade-in
}

TEST_F(GadgetControllerTest, RelayoutKeepsTheCornerAndPullsBack) {
  start();
  engine().settings().SmallSizeGadget = 0;
  engine().relayoutGadget();
  EXPECT_EQ(surface.size, (PixelSize{96, 235}));
  EXPECT_EQ(surface.pictureSize, (PixelSize{96, 235}));
  EXPECT_EQ(surface.position, (GadgetPosition{1280 - 96, 1024 - 275}));
  EXPECT_EQ(savedPosition(), surface.position);
  EXPECT_TRUE(fileExists(harness.dataFile("voltaro.ini")));
  EXPECT_FALSE(engine().monitor().busy());

  engine().settings().SmallSizeGadget = 1;
  engine().relayoutGadget();
  EXPECT_EQ(surface.position, (GadgetPosition{1280 - 96, 1024 - 275}));
}

TEST_F(GadgetControllerTest, OpacityAndHoverFade) {
  start();
  engine().settings().GadgetOpacity = 60;
  engine().gadget().applyGadgetOpacity();
  EXPECT_EQ(surface.shown.back().alpha, 153);

  std::size_t first = surface.shown.size();
  controller.mouseEnter();
  EXPECT_EQ(surface.alphasFrom(first), gadget::hoverInAlphas(60));
  first = surface.shown.size();
  harness.run(5);  // resting inside without moving: stays opaque
  engine().gadget().applyGadgetOpacity();
  EXPECT_EQ(surface.shown.size(), first);

  controller.mouseMove({1240, 900});
  controller.mouseLeave();
  const std::uint64_t left = harness.runtime.elapsedMilliseconds();
  harness.run(3);
  ASSERT_EQ(surface.alphasFrom(first), gadget::hoverOutAlphas(60));
  // 48 runs of the 40 ms timer after the last move, then 10 ms steps.
  EXPECT_EQ(surface.shown[first].at - left, 48u * 40u);
  EXPECT_EQ(surface.shown.back().at - surface.shown[first].at, 90u);

  engine().settings().GadgetOpacity = 100;
  first = surface.shown.size();
  controller.mouseEnter();
  harness.run(3);
  EXPECT_EQ(surface.shown.size(), first);
}

TEST_F(GadgetControllerTest, DragSavesThePlace) {
  start();
  controller.leftButtonDown({1240, 900});  // 9, 34 into the window at 1231, 866
  controller.mouseMove({1000, 500});
  EXPECT_EQ(surface.position, (GadgetPosition{991, 466}));
  EXPECT_EQ(savedPosition(), (GadgetPosition{1231, 866}));
  controller.leftButtonUp();
  EXPECT_EQ(savedPosition(), (GadgetPosition{991, 466}));
  controller.mouseMove({800, 300});
  EXPECT_EQ(surface.position, (GadgetPosition{991, 466}));
}

TEST_F(GadgetControllerTest, KeysClicksAndTheAlert) {
  start();
  const auto settingsFile = readFileBytes(harness.dataFile("voltaro.ini"));
  controller.keyPress('p');
  EXPECT_EQ(engine().settings().GadgetShowCpuUsage, 1);
  EXPECT_EQ(readFileBytes(harness.dataFile("voltaro.ini")), settingsFile);  // not saved
  controller.keyPress('G');
  EXPECT_TRUE(engine().greenMode().greenOn());
  controller.keyPress('a');
  EXPECT_EQ(harness.advice.fills, 1);

  harness.window.homeShown = true;
  draw = 3;
  controller.doubleClick();
  EXPECT_EQ(surface.mainWindowShows, 1);
  EXPECT_NE(engine().texts().get(view::Page::Home, "Version"), "Connection error!");
  draw = 0;  // one in five also checks for a new version
  controller.doubleClick();
  EXPECT_EQ(engine().texts().get(view::Page::Home, "Version"), "Connection error!");

  controller.closeRequest();
  EXPECT_EQ(surface.beeps, 1);

  // The warning alert brings the gadget forward.
  engine().settings().WarningEnabled = 1;
  engine().settings().WarningLevel = 90;
  harness.run(5);
  EXPECT_EQ(surface.fronts, 1);
}

}  // namespace
}  // namespace voltaro::frontend
