// The gadget on Qt: the program's own skins composed and shown, the texts
// in the pinned font, the window's kind, the global alpha, the drag through
// real mouse events, and the end of the program without its skins.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QMouseEvent>

#include "app/gadget_start.h"
#include "app/program_start.h"
#include "app/window_harness.h"
#include "gadget/gadget_layout.h"
#include "ui/qt_gadget_text.h"

namespace voltaro {
namespace {

using testing::TemporaryFolder;
using testing::WindowHarness;

class GadgetWindowTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  WindowHarness harness{folder.path(), true};
  ui::GadgetWindow& gadget = harness.gadget;
};

TEST_F(GadgetWindowTest, ProgramSkinsComposeTheShownBattery) {
  ASSERT_EQ(harness.engine().formCreate(), 0);
  ASSERT_EQ(app::createGadget(gadget, VOLTARO_PROGRAM_DIR), std::nullopt);
  harness.engine().enableMonitoring();
  harness.runtime.advance(5000);
  ASSERT_TRUE(gadget.isVisible());
  harness.runtime.advance(300);  // the fade-in is over
  const QImage& image = gadget.shownImage();
  // Small 3D: 49 x 118; outside the glass nothing, the column filled.
  ASSERT_EQ(image.size(), QSize(49, 118));
  EXPECT_EQ(qAlpha(image.pixel(1, 60)), 0);
  EXPECT_GT(qAlpha(image.pixel(24, 105)), 200);
  // "66%" on its first line: opaque light pixels from row 24 + 1 on.
  int light = 0;
  for (int y = 25; y < 40; ++y) {
    for (int x = 0; x < 49; ++x) light += qRed(image.pixel(x, y)) == 0xEE ? 1 : 0;
  }
  EXPECT_GT(light, 5);
}

TEST_F(GadgetWindowTest, WithoutItsSkinsTheProgramEndsNamingTheFile) {
  EXPECT_EQ(app::startProgram(harness.engine(), harness.window, &gadget), app::kGadgetSkinStatus);
  ASSERT_EQ(harness.errorBox.shown.size(), 1u);
  EXPECT_NE(harness.errorBox.shown[0].find("\"vtat1.dat\" is missing"), std::string::npos);
  harness.runtime.advance(2000);
  EXPECT_FALSE(harness.engine().monitor().tickRunning());
}

TEST_F(GadgetWindowTest, WindowKindAlphaHintAndRefusedClose) {
  EXPECT_TRUE(gadget.windowFlags() & Qt::Tool);
  EXPECT_TRUE(gadget.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(gadget.testAttribute(Qt::WA_TranslucentBackground));
  gadget.moveWindow({300, 200});
  gadget.setStayOnTop(true);
  EXPECT_TRUE(gadget.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(gadget.pos(), QPoint(300, 200));

  gadget::PixelBuffer picture(2, 1);
  picture.set(0, 0, gadget::argb(255, 255, 255, 255));
  gadget.present(picture, 153);  // "60%"
  EXPECT_EQ(gadget.shownImage().pixel(0, 0), qRgba(153, 153, 153, 153));

  gadget.setHint("Running on AC Power\r\nBattery is fully charged");
  EXPECT_EQ(gadget.hint(), "Running on AC Power\nBattery is fully charged");
  QCloseEvent close;
  QApplication::sendEvent(&gadget, &close);
  EXPECT_FALSE(close.isAccepted());
}

TEST_F(GadgetWindowTest, DragFollowsTheMouse) {
  ASSERT_EQ(harness.engine().formCreate(), 0);
  ASSERT_EQ(app::createGadget(gadget, VOLTARO_PROGRAM_DIR), std::nullopt);
  gadget.moveWindow({500, 400});
  auto send = [this](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    const QPointF local = QPointF(global - QPoint(gadget.x(), gadget.y()));
    QMouseEvent event(type, local, local, QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&gadget, &event);
  };
  send(QEvent::MouseButtonPress, {510, 420}, Qt::LeftButton);
  send(QEvent::MouseMove, {610, 470}, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {610, 470}, Qt::NoButton);
  EXPECT_EQ(gadget.pos(), QPoint(600, 450));
  const auto saved = harness.engine().settingsStore()->readGadgetPosition();
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, (gadget::GadgetPosition{600, 450}));
}

TEST(QtGadgetTextTest, CentredGreyInThePinnedFont) {
  const gadget::PixelSize size = gadget::textLayerSize(false);
  gadget::PixelBuffer layer(size.width, size.height, gadget::kKeyColour);
  ui::QtGadgetText painter;
  painter.drawCentred(layer, {"57%", 14, gadget::rgb(0xEE, 0xEE, 0xEE), 2});
  int left = size.width, right = -1, top = size.height, bottom = -1, full = 0;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const gadget::Pixel p = layer.at(x, y);
      if (gadget::colourOf(p) == gadget::colourOf(gadget::kKeyColour)) continue;
      ASSERT_TRUE(gadget::redOf(p) == gadget::greenOf(p) && gadget::greenOf(p) == gadget::blueOf(p))
          << "colour fringe at " << x << ", " << y;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      full += gadget::redOf(p) == 0xEE ? 1 : 0;
    }
  }
  EXPECT_GT(full, 10);
  EXPECT_LE(std::abs(left - (size.width - 1 - right)), 1);  // centred
  // 14 points at 96 dpi in DejaVu Sans, the font Debian gives for "Verdana".
  QFont pinned("DejaVu Sans");
  pinned.setPointSizeF(14);
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(3780);
  device.setDotsPerMeterY(3780);
  const QRectF glyphs = QFontMetricsF(pinned, &device).tightBoundingRect("57%");
  EXPECT_NEAR(right - left + 1, glyphs.width(), 2.0);
  EXPECT_NEAR(bottom - top + 1, glyphs.height(), 2.0);
  EXPECT_GE(top, 2);
}

}  // namespace
}  // namespace voltaro
