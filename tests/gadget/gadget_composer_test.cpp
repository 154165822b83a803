// The text layer of `p001`: which texts are drawn where and in what colour,
// the charging symbol, and the overlay with its four offsets.
#include "gadget/gadget_composer.h"

#include <gtest/gtest.h>

#include "gadget/synthetic_skins.h"

namespace voltaro::gadget {
namespace {

// Marks each text with one pixel of its colour at the layer's centre column
// on its top row, and keeps the lines it was asked for.
struct MarkingPainter : TextPainter {
  void drawCentred(PixelBuffer& layer, const TextLine& line) override {
    layer.set(layer.width() / 2, line.top, line.colour);
    lines.push_back(line);
  }
  std::vector<TextLine> lines;
};

GadgetFigures onBattery(GadgetLook look) {
  GadgetFigures f;
  f.level = 57;
  f.onPower = false;
  f.charging = false;
  f.timeText = "1:30";
  f.cpuUsage = 12;
  f.showCapacity = f.showTimeRemaining = f.showCpuUsage = true;
  f.look = look;
  return f;
}

TEST(GadgetTextTest, ThreeLinesLargeAndSmall) {
  const auto large = textLines(onBattery({false, true}));
  ASSERT_EQ(large.size(), 3u);
  EXPECT_EQ(large[0], (TextLine{"57%", 14, rgb(0xEE, 0xEE, 0xEE), 2}));
  EXPECT_EQ(large[1], (TextLine{"1:30", 11, rgb(0xCC, 0xCC, 0xCC), 33}));
  EXPECT_EQ(large[2], (TextLine{"12%", 11, rgb(0xFE, 0xA0, 0x90), 158}));

  const auto small = textLines(onBattery({true, false}));
  ASSERT_EQ(small.size(), 3u);
  EXPECT_EQ(small[0].points, 10);
  EXPECT_EQ(small[0].top, 1);
  EXPECT_EQ(small[1].points, 8);
  EXPECT_EQ(small[1].top, 16);
  EXPECT_EQ(small[2].top, 75);
}

TEST(GadgetTextTest, TimeOnlyOnBatteryOrWhileCharging) {
  GadgetFigures f = onBattery({false, true});
  f.onPower = true;
  f.charging = true;
  auto lines = textLines(f);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].colour, rgb(0xA0, 0xB0, 0xE0));

  f.charging = false;  // full on external power: no time, even with its option on
  lines = textLines(f);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].text, "12%");

  f = onBattery({false, true});
  f.timeText.clear();  // unknown time
  f.showCpuUsage = false;
  EXPECT_EQ(textLines(f).size(), 1u);

  f.levelKnown = false;  // no charge read yet: no "0%"
  EXPECT_TRUE(textLines(f).empty());
}

TEST(GadgetComposerTest, OverlayLandsAtEachOffsetOpaque) {
  const GadgetSkins skins = testing::syntheticSkins();
  struct Case {
    GadgetLook look;
    int offset;
    int background;  // the skin under the top text at 57 %
  };
  for (const Case c : {Case{{false, true}, 46, 5}, Case{{false, false}, 36, 1},
                       Case{{true, true}, 24, 6}, Case{{true, false}, 18, 2}}) {
    GadgetComposer composer;
    MarkingPainter painter;
    const PixelBuffer& picture = composer.p001(skins, onBattery(c.look), painter);
    const int x = picture.width() / 2;
    ASSERT_EQ(painter.lines.size(), 3u);
    for (const TextLine& line : painter.lines) {
      EXPECT_EQ(picture.at(x, line.top + c.offset), line.colour) << c.offset << " " << line.text;
    }
    // Key-coloured layer pixels leave the battery picture as it was.
    const int top = painter.lines[0].top + c.offset;
    EXPECT_EQ(testing::origin(picture, top), (std::pair{c.background, top}));
  }
}

TEST(GadgetComposerTest, ChargingSymbolOnlyWhileCharging) {
  const GadgetSkins skins = testing::syntheticSkins();
  GadgetComposer composer;
  MarkingPainter painter;
  GadgetFigures f = onBattery({false, true});
  f.showCapacity = f.showTimeRemaining = f.showCpuUsage = false;
  f.onPower = true;
  f.charging = true;
  const int row = 104 + 5 + 46;  // symbol row 5 at layer row 104, offset 46
  EXPECT_EQ(composer.p001(skins, f, painter).at(10, row), rgb(1, 2, 3));
  EXPECT_EQ(composer.textLayer(false).at(10, 104 + 5), rgb(1, 2, 3));

  f.charging = false;
  EXPECT_NE(composer.p001(skins, f, painter).at(10, row), rgb(1, 2, 3));

  f.look = {true, false};
  f.charging = true;
  EXPECT_EQ(composer.p001(skins, f, painter).at(10, 48 + 5 + 18), rgb(1, 2, 3));
}

}  // namespace
}  // namespace voltaro::gadget
