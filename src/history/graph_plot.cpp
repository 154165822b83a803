#include "history/graph_plot.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/rounding.h"
#include "history/graph_font.h"
#include "history/graph_geometry.h"
#include "history/graph_stroke.h"
#include "history/history_zoom.h"

namespace voltaro::history {
namespace {

constexpr int kColumns = kPageSamples;  // 720
constexpr int kLastFillColumn = kColumns - 1;
constexpr int kMissing = -1;

constexpr canvas::Stroke kChargeLine{canvas::rgb(0xF0, 0xA0, 0x00), 2.0, 1.0,
                                     canvas::LineCap::Round};
constexpr canvas::Stroke kDischargeLine{canvas::rgb(0xA0, 0x20, 0x10), 1.0, 0.5};
constexpr canvas::Colour kLevelLabelColour = canvas::rgb(0xC0, 0x88, 0x10);

// Value of an entry, or kMissing for an empty entry or an index off the buffer.
int valueAt(const ChargeHistory& history, int index) {
  if (index < 1 || index > kHistorySamples) return kMissing;
  return history.present(index) ? history.sample(index) : kMissing;
}

SampleKind kindAt(const ChargeHistory& history, int index) {
  if (index < 1 || index > kHistorySamples) return SampleKind::None;
  return history.kind(index);
}

// The two samples that column i (2..720) joins and the column's state.
struct ColumnSamples {
  int left = kMissing;
  int right = kMissing;
  SampleKind kind = SampleKind::None;
};

ColumnSamples columnSamples(const ChargeHistory& history, int i) {
  const int perColumn = samplesPerColumn(history.zoom());
  const int right = (history.origin() - 1) * kPageSamples + perColumn * i - (perColumn - 1);
  return {valueAt(history, right - perColumn), valueAt(history, right),
          kindAt(history, right - (perColumn - 1))};
}

class PlotPainter {
 public:
  PlotPainter(canvas::Canvas& canvas, const GraphOptions& options)
      : canvas_(canvas), options_(options) {}

  void segment(PlotPoint from, PlotPoint to) {
    strokeGraphLine(canvas_, {columnX(from.column), chargeY(from.value)},
                    {columnX(to.column), chargeY(to.value)}, kChargeLine);
  }

  void fill(int column, int value, SampleKind kind) {
    if (!options_.filled || column < 1 || column > kLastFillColumn) return;
    canvas::Stroke style{0, column == kLastFillColumn ? 2.0 : 1.0, 0.5};
    switch (kind) {
      case SampleKind::OnPower:
        style.colour = canvas::rgb(0x0F, 0x20, 0x50);
        break;
      case SampleKind::Charging:
        style.colour = canvas::rgb(0x08, 0x34, 0x16);
        break;
      case SampleKind::OnBattery:
        style.colour = canvas::rgb(0x50, 0x17, 0x08);
        break;
      case SampleKind::None:
        return;
    }
    strokeGraphLine(canvas_, {columnX(column), fillTopY(value)}, {columnX(column), kFillBottomY},
                    style);
  }

 private:
  canvas::Canvas& canvas_;
  const GraphOptions& options_;
};

void drawLevelLabel(canvas::Canvas& canvas, const ChargeHistory& history,
                    const GraphOptions& options, const GraphReadings& readings) {
  if (history.origin() != newestOrigin(history.zoom())) return;
  const int newest = history.newestIndex();
  // Before the first sample there is no point to label.
  if (!history.present(newest)) return;
  const auto level = std::clamp<std::int64_t>(roundHalfEven(readings.chargePercent), 0, 100);
  const int x = newestColumn(history.zoom(), history.writePosition()) + 42;
  const int y = 402 - history.sample(newest);
  drawGraphText(canvas, x, y, std::to_string(level) + "%", graphCanvasFont(options.dotsPerInch),
                kLevelLabelColour);
}

void drawPlain(PlotPainter& plot, const ChargeHistory& history) {
  for (int i = 2; i <= kColumns; ++i) {
    const ColumnSamples c = columnSamples(history, i);
    if (c.left == kMissing || c.right == kMissing) continue;
    plot.fill(i - 1, c.left, c.kind);
    plot.segment({double(i - 1), double(c.left)}, {double(i), double(c.right)});
  }
}

// The sequence the smooth drawing walks: Y(1..720) with each column's state.
struct SmoothSequence {
  std::array<int, kColumns + 1> value{};  // index 0 unused
  std::array<SampleKind, kColumns + 1> kind{};
};

SmoothSequence collectSequence(const ChargeHistory& history) {
  SmoothSequence seq;
  seq.value.fill(kMissing);
  seq.kind.fill(SampleKind::None);
  for (int i = 2; i <= kColumns; ++i) {
    const ColumnSamples c = columnSamples(history, i);
    seq.value[static_cast<std::size_t>(i - 1)] = c.left;
    seq.kind[static_cast<std::size_t>(i - 1)] = c.kind;
    if (i == kColumns) {
      seq.value[kColumns] = c.right;
      seq.kind[kColumns] = c.kind;
    }
  }
  return seq;
}

// Fill lines for columns first..last on the straight line from (a, A) to (b, B).
void fillInterpolated(PlotPainter& plot, const SmoothSequence& seq, int first, int last, int a,
                      int anchorValue, int b, int endValue) {
  for (int column = first; column <= last; ++column) {
    // Integer division truncates toward zero, as the interpolation asks.
    const int value = anchorValue + (endValue - anchorValue) * (column - a) / (b - a);
    plot.fill(column, value, seq.kind[static_cast<std::size_t>(column)]);
  }
}

void fillFlat(PlotPainter& plot, const SmoothSequence& seq, int first, int last, int value) {
  for (int column = first; column <= last; ++column) {
    plot.fill(column, value, seq.kind[static_cast<std::size_t>(column)]);
  }
}

// Joins runs of equal values into single segments; a level that stood at
// 100 % for more than four columns stays flat until the column before it
// changes, so a full battery that starts to drain shows a plateau and a step.
void drawSmooth(PlotPainter& plot, const ChargeHistory& history) {
  const SmoothSequence seq = collectSequence(history);
  bool anchored = false;
  int a = 0;
  int anchorValue = 0;
  for (int i = 1; i <= kColumns; ++i) {
    const int y = seq.value[static_cast<std::size_t>(i)];
    if (!anchored) {
      if (y == kMissing) continue;
      anchored = true;
      a = i;
      anchorValue = y;
      continue;
    }
    if (y == kMissing) {
      const int previous = seq.value[static_cast<std::size_t>(i - 1)];
      if (i - 2 >= a) fillInterpolated(plot, seq, a, i - 2, a, anchorValue, i - 1, previous);
      plot.segment({double(a), double(anchorValue)}, {double(i - 1), double(previous)});
      anchored = false;
      continue;
    }
    if (y == anchorValue && i != kColumns) continue;
    if (anchorValue != kFullLevel || i - a <= 4) {
      fillInterpolated(plot, seq, a, i - 1, a, anchorValue, i, y);
      plot.segment({double(a), double(anchorValue)}, {double(i), double(y)});
    } else {
      fillFlat(plot, seq, a, i - 1, anchorValue);
      plot.segment({double(a), double(anchorValue)}, {double(i - 1), double(anchorValue)});
      plot.segment({double(i - 1), double(anchorValue)}, {double(i), double(y)});
    }
    a = i;
    anchorValue = y;
  }
}

}  // namespace

std::optional<DischargeProjection> dischargeProjection(const ChargeHistory& history,
                                                       const GraphOptions& options,
                                                       const GraphReadings& readings) {
  if (!options.dischargeLine || readings.onPower) return std::nullopt;
  if (history.zoom() != 16 || history.origin() != 16) return std::nullopt;
  const std::uint32_t seconds = readings.remainingSeconds;
  if (seconds == 0 || seconds == kUnknownTime) return std::nullopt;
  const int w = history.writePosition();
  if (w <= 1 || !history.present(history.newestIndex())) return std::nullopt;

  const double level = history.sample(history.newestIndex());
  const double samplesLeft = seconds / double(kSamplePeriodSeconds);
  const double slope = level / samplesLeft;  // value per column
  const double emptyColumn = samplesLeft + w - 1;
  const double levelAtEdge = (emptyColumn - kLastFillColumn) * slope;
  PlotPoint end;
  if (levelAtEdge >= 0.0 && levelAtEdge <= kFullLevel) {
    end = {double(kLastFillColumn), double(roundHalfEven(levelAtEdge))};
  } else {
    end = {double(std::clamp<std::int64_t>(roundHalfEven(emptyColumn), 0, kLastFillColumn)), 0.0};
  }
  return DischargeProjection{{double(w), level}, end};
}

void drawHistory(canvas::Canvas& canvas, const ChargeHistory& history, const GraphOptions& options,
                 const GraphReadings& readings) {
  drawLevelLabel(canvas, history, options, readings);
  PlotPainter plot(canvas, options);
  if (options.smooth) {
    drawSmooth(plot, history);
  } else {
    drawPlain(plot, history);
  }
  if (const auto line = dischargeProjection(history, options, readings)) {
    strokeGraphLine(canvas, {columnX(line->from.column), chargeY(line->from.value)},
                    {columnX(line->to.column), chargeY(line->to.value)}, kDischargeLine);
  }
}

}  // namespace voltaro::history
