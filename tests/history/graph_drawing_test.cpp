#include "history/graph_drawing.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>
#include <QRect>

#include "battery/battery_state.h"
#include "history/graph.h"
#include "history/graph_background.h"
#include "history/graph_line.h"
#include "history/graph_text.h"
#include "settings/app_settings.h"

namespace voltaro::history {
namespace {

constexpr QRgb kChargeColor = qRgb(0xF0, 0xA0, 0x00);

// Fills columns first..last of the newest 1-hour view (entry 10800 + column).
void fillColumns(ChargeHistory& history, int first, int last, std::uint16_t value,
                 SampleKind kind) {
  for (int column = first; column <= last; ++column) {
    history.setEntryForTesting(10800 + column, value, kind);
  }
}

int channelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

// The opaque charge line, give or take the rounding of its antialiased edges.
bool isChargeLine(QRgb pixel) {
  return channelDistance(pixel, kChargeColor) <= 24;
}

// Half of `line` over the background pixel: a fill line at opacity 0.5.
QRgb halfOver(QRgb line, QRgb background) {
  return qRgb((qRed(line) + qRed(background)) / 2, (qGreen(line) + qGreen(background)) / 2,
              (qBlue(line) + qBlue(background)) / 2);
}

class GraphDrawingTest : public ::testing::Test {
 protected:
  QImage draw() {
    QImage surface = background.copy();
    drawHistory(surface, history, options, readings);
    return surface;
  }

  ChargeHistory history;
  GraphOptions options;
  GraphReadings readings;
  QImage background = makeGraphBackground();
};

TEST_F(GraphDrawingTest, FillLinesTakeTheColourOfTheirColumnsState) {
  fillColumns(history, 1, 240, 200, SampleKind::OnPower);
  fillColumns(history, 241, 480, 200, SampleKind::Charging);
  fillColumns(history, 481, 720, 200, SampleKind::OnBattery);
  history.setWritePositionForTesting(720);
  const QImage surface = draw();

  const QRgb onPower = qRgb(0x0F, 0x20, 0x50);
  const QRgb charging = qRgb(0x08, 0x34, 0x16);
  const QRgb onBattery = qRgb(0x50, 0x17, 0x08);
  // The fill at column c stands under the left sample of column c + 1 and takes
  // that column's state, so the first charging fill is at column 240.
  const std::pair<int, QRgb> expected[] = {{100, onPower},  {239, onPower},  {240, charging},
                                           {400, charging}, {479, charging}, {480, onBattery},
                                           {600, onBattery}};
  for (const auto& [column, color] : expected) {
    for (int y : {220, 300, 412}) {  // from the fill's top 418 - 200 down to 413
      const int x = 40 + column;
      EXPECT_LE(channelDistance(surface.pixel(x, y), halfOver(color, background.pixel(x, y))), 2)
          << "column " << column << " y " << y;
    }
  }
  // Above the fill's top and below its foot the background shows.
  EXPECT_EQ(surface.pixel(140, 212), background.pixel(140, 212));
  EXPECT_EQ(surface.pixel(140, 415), background.pixel(140, 415));
  // The charge line at 50 % covers rows 215 and 216.
  EXPECT_TRUE(isChargeLine(surface.pixel(300, 215)));
  EXPECT_TRUE(isChargeLine(surface.pixel(300, 216)));

  options.filled = false;
  const QImage unfilled = draw();
  EXPECT_EQ(unfilled.pixel(140, 300), background.pixel(140, 300));
  EXPECT_TRUE(isChargeLine(unfilled.pixel(300, 215)));
}

TEST_F(GraphDrawingTest, AGapBreaksTheChargeLine) {
  fillColumns(history, 1, 299, 300, SampleKind::OnBattery);
  fillColumns(history, 310, 720, 300, SampleKind::OnBattery);
  history.setWritePositionForTesting(720);
  for (bool smooth : {false, true}) {
    options.smooth = smooth;
    const QImage surface = draw();
    EXPECT_TRUE(isChargeLine(surface.pixel(40 + 200, 116))) << smooth;
    EXPECT_TRUE(isChargeLine(surface.pixel(40 + 298, 116))) << smooth;
    for (int column = 301; column <= 308; ++column) {
      EXPECT_EQ(surface.pixel(40 + column, 116), background.pixel(40 + column, 116))
          << "column " << column << " smooth " << smooth;
      EXPECT_EQ(surface.pixel(40 + column, 300), background.pixel(40 + column, 300));
    }
    // The last sample before the gap ends the line but gets no fill line.
    EXPECT_TRUE(isChargeLine(surface.pixel(40 + 299, 116))) << smooth;
    EXPECT_EQ(surface.pixel(40 + 299, 300), background.pixel(40 + 299, 300)) << smooth;
    EXPECT_NE(surface.pixel(40 + 298, 300), background.pixel(40 + 298, 300)) << smooth;
  }
}

TEST_F(GraphDrawingTest, SmoothDrawingJoinsRunsIntoOneSlope) {
  // 75 % for columns 1..100, then 65 % for 101..200.
  fillColumns(history, 1, 100, 300, SampleKind::OnBattery);
  fillColumns(history, 101, 200, 260, SampleKind::OnBattery);
  history.setWritePositionForTesting(200);

  options.smooth = false;  // steps: column 51 still at 300, y 116
  QImage surface = draw();
  EXPECT_TRUE(isChargeLine(surface.pixel(40 + 51, 116)));
  EXPECT_FALSE(isChargeLine(surface.pixel(40 + 51, 136)));
  EXPECT_NE(surface.pixel(40 + 51, 125), background.pixel(40 + 51, 125));  // filled

  options.smooth = true;  // one slope from (1, 300) to (101, 260): 280 at column 51
  surface = draw();
  EXPECT_TRUE(isChargeLine(surface.pixel(40 + 51, 136)));
  EXPECT_EQ(surface.pixel(40 + 51, 116), background.pixel(40 + 51, 116));
  // The fill follows the slope: its top is at 418 - 280 = 138.
  EXPECT_EQ(surface.pixel(40 + 51, 125), background.pixel(40 + 51, 125));
  EXPECT_NE(surface.pixel(40 + 51, 140), background.pixel(40 + 51, 140));
}

TEST_F(GraphDrawingTest, SmoothDrawingKeepsAFullBatteryFlatUntilItDrops) {
  // 100 % for ten minutes (120 samples), then 95 %.
  fillColumns(history, 1, 120, 400, SampleKind::Charging);
  fillColumns(history, 121, 300, 380, SampleKind::OnBattery);
  history.setWritePositionForTesting(300);
  options.smooth = true;
  const QImage surface = draw();
  // Flat at y 16 all the way to column 119, then one step to 380 (y 36).
  for (int column : {10, 60, 110, 118}) {
    EXPECT_TRUE(isChargeLine(surface.pixel(40 + column, 16))) << column;
    EXPECT_TRUE(isChargeLine(surface.pixel(40 + column, 15))) << column;
  }
  EXPECT_TRUE(isChargeLine(surface.pixel(40 + 200, 36)));
  // A slope from (1, 400) to (121, 380) would be at 390 (y 26) by column 61;
  // there is only the fill, whose top stays at 418 - 400 = 18.
  EXPECT_FALSE(isChargeLine(surface.pixel(40 + 61, 26)));
  EXPECT_FALSE(isChargeLine(surface.pixel(40 + 61, 25)));
  EXPECT_NE(surface.pixel(40 + 61, 20), background.pixel(40 + 61, 20));
}

TEST_F(GraphDrawingTest, DischargeProjectionReachesEmptyAlongTheSlope) {
  fillColumns(history, 1, 360, 200, SampleKind::OnBattery);
  history.setWritePositionForTesting(360);
  readings = {50.0, false, 3600};
  // 720 samples left from (360, 200): at column 719 the level is still
  // (720 + 359 - 719) * 200 / 720 = 100.
  auto line = dischargeProjection(history, options, readings);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->from, (PlotPoint{360, 200}));
  EXPECT_EQ(line->to, (PlotPoint{719, 100}));

  readings.remainingSeconds = 600;  // 120 samples: empty at column 479
  line = dischargeProjection(history, options, readings);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->to, (PlotPoint{479, 0}));

  readings.remainingSeconds = 1234;  // 246.8 samples: empty at 605.8
  line = dischargeProjection(history, options, readings);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->to, (PlotPoint{606, 0}));
}

TEST_F(GraphDrawingTest, DischargeLineOnlyOnBatteryInTheNewestHourWithAKnownTime) {
  fillColumns(history, 1, 360, 200, SampleKind::OnBattery);
  history.setWritePositionForTesting(360);
  readings = {50.0, false, 3600};
  // Halfway along the line, (539.5, 150): pixel (580, 266).
  const QImage drawn = draw();
  const QRgb mid = drawn.pixel(580, 266);
  EXPECT_NE(mid, background.pixel(580, 266));
  EXPECT_GT(qRed(mid), qGreen(mid) + 20);

  const auto absent = [&](const char* why) {
    EXPECT_FALSE(dischargeProjection(history, options, readings)) << why;
    EXPECT_EQ(draw().pixel(580, 266), background.pixel(580, 266)) << why;
  };
  readings.onPower = true;
  absent("on power");
  readings.onPower = false;
  readings.remainingSeconds = 0;
  absent("no time");
  readings.remainingSeconds = kUnknownTime;
  absent("unknown time");
  readings.remainingSeconds = 3600;
  options.dischargeLine = false;
  absent("option off");
  options.dischargeLine = true;
  history.setView(16, 15);
  absent("older view");
  history.setView(8, 15);
  absent("two-hour view");
  history.setView(16, 16);
  history.setWritePositionForTesting(1);
  absent("one sample");
}

// Bounding box of the pixels close to `color`.
QRect pixelsNear(const QImage& image, QRgb color, int tolerance) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (channelDistance(image.pixel(x, y), color) <= tolerance) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(GraphDrawingTest, LevelLabelFollowsTheNewestSampleInTheNewestView) {
  ASSERT_EQ(QFontInfo(graphFont(96)).family(), QStringLiteral("DejaVu Sans"));
  const QRgb labelColor = qRgb(0xC0, 0x88, 0x10);
  history.advance();
  history.writeSample(std::uint16_t{300}, SampleKind::OnBattery);
  readings = {75.4, false, 0};
  QRect box = pixelsNear(draw(), labelColor, 24);
  // Text "75%" from (43, 102); DejaVu Sans at 12 px is about 8 px tall.
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 43);
  EXPECT_LE(box.left(), 47);  // the glyph's own side bearing
  EXPECT_GE(box.top(), 102);
  EXPECT_LE(box.bottom(), 102 + 15);
  EXPECT_GT(box.width(), 15);

  // Sixteen hours, w = 100: column 100 / 16 + 675 = 681, so x = 723.
  history.setWritePositionForTesting(100);
  history.setEntryForTesting(10900, 300, SampleKind::OnBattery);
  history.setView(1, 1);
  box = pixelsNear(draw(), labelColor, 24);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 723);
  EXPECT_LE(box.left(), 727);

  history.setView(8, 13);  // an older view has no label
  EXPECT_TRUE(pixelsNear(draw(), labelColor, 24).isEmpty());
}

TEST(GraphAxes, ZoomTextsChangeOnlyTheBottomLine) {
  QImage hour = makeGraphBackground();
  QImage day = makeGraphBackground();
  const QImage plain = makeGraphBackground();
  paintAxes(hour, 16, 96);
  paintAxes(day, 1, 96);
  EXPECT_NE(hour.copy(360, 418, 120, 16), day.copy(360, 418, 120, 16));  // grid text
  EXPECT_NE(hour.copy(690, 418, 100, 16), day.copy(690, 418, 100, 16));  // time text
  EXPECT_EQ(hour.copy(0, 0, 38, 433), day.copy(0, 0, 38, 433));
  EXPECT_NE(hour.copy(0, 0, 38, 433), plain.copy(0, 0, 38, 433));      // the percent scale
  EXPECT_EQ(hour.copy(40, 0, 760, 418), plain.copy(40, 0, 760, 418));  // plot untouched
  const QRgb grey = qRgb(0x99, 0x99, 0x99);
  EXPECT_FALSE(pixelsNear(hour.copy(9, 9, 28, 14), grey, 10).isEmpty());     // "100"
  EXPECT_FALSE(pixelsNear(hour.copy(22, 409, 14, 14), grey, 10).isEmpty());  // "0"
}

TEST(GraphRedraw, DrawsOnlyWhileTheGraphIsShown) {
  ChargeHistory history;
  settings::AppSettings settings;
  battery::LiveStatus live;
  battery::SlotTable slots;
  bool shown = false;
  Graph graph(history, settings, live, slots, [&shown] { return shown; });
  graph.drawAxes();
  for (int n = 0; n < 30; ++n) {
    history.advance();
    history.writeSample(std::uint16_t{200}, SampleKind::OnBattery);
  }
  const QImage before = graph.surface().copy();
  graph.redraw();
  EXPECT_EQ(graph.surface(), before);
  shown = true;
  graph.redraw();
  EXPECT_NE(graph.surface(), before);
  EXPECT_TRUE(isChargeLine(graph.surface().pixel(40 + 10, 216)));
  // The next redraw starts again from the background: a view without data
  // leaves nothing of the old line behind.
  history.setView(16, 1);
  graph.redraw();
  EXPECT_EQ(graph.surface(), graph.background());
}

}  // namespace
}  // namespace voltaro::history

namespace voltaro::history {
namespace {

TEST(GraphLine, WholePixelColumnsBlendLikeTheAntialiasedLine) {
  const QImage base = makeGraphBackground();
  const LineStyle style{QColor(0x50, 0x17, 0x08), 1.0, 0.5};
  QImage direct = base.copy();
  QImage painted = base.copy();
  {
    QPainter painter(&direct);
    drawGraphLine(painter, {columnX(100), fillTopY(250)}, {columnX(100), kFillBottomY}, style);
  }
  {
    QPainter painter(&painted);
    painter.setClipRect(QRect(0, 0, 800, 434));  // a clip leaves it to the painter's lines
    drawGraphLine(painter, {columnX(100), fillTopY(250)}, {columnX(100), kFillBottomY}, style);
  }
  for (int y = 160; y < 420; ++y) {
    for (int x = 138; x <= 142; ++x) {
      ASSERT_LE(channelDistance(direct.pixel(x, y), painted.pixel(x, y)), 1) << x << "," << y;
    }
  }
  EXPECT_NE(direct.pixel(140, 200), base.pixel(140, 200));  // column 100 is x 140
  EXPECT_EQ(direct.pixel(139, 200), base.pixel(139, 200));
  EXPECT_EQ(direct.pixel(140, 167), base.pixel(140, 167));  // top at 418 - 250 = 168
  EXPECT_NE(direct.pixel(140, 168), base.pixel(140, 168));
  EXPECT_EQ(direct.pixel(140, 414), base.pixel(140, 414));  // ends above 414
}

}  // namespace
}  // namespace voltaro::history
