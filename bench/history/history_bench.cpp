// Costs of the history's two steady jobs: recording a sample (with the
// 30-minute shift it sometimes brings) and redrawing the graph.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>

#include "battery/battery_state.h"
#include "history/charge_history.h"
#include "history/graph.h"
#include "settings/app_settings.h"

namespace voltaro::history {
namespace {

// Fonts need a GUI application; it lives until the program ends.
void ensureGui() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "history_bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

// Sixteen hours of a battery that charges, stays on power and drains.
void fillDay(ChargeHistory& history) {
  history.reset();
  for (int n = 0; n < kHistorySamples; ++n) {
    const double phase = std::fmod(n / 2880.0, 2.0);
    const double percent = phase < 1.0 ? 30.0 + 70.0 * phase : 100.0 - 70.0 * (phase - 1.0);
    history.advance();
    history.writeSample(percent, phase < 1.0, phase < 0.95);
  }
}

// Argument 0: bit 0 smooth, bit 1 filled; argument 1: zoom.
void BM_RedrawFullHistory(benchmark::State& state) {
  ensureGui();
  ChargeHistory history;
  fillDay(history);
  history.setView(static_cast<int>(state.range(1)), state.range(1) == 1 ? 1 : 16);
  settings::AppSettings settings;
  settings.SmoothGraphics = state.range(0) & 1;
  settings.FilledGraphics = (state.range(0) & 2) ? 1 : 0;
  settings.DischargeLine = 1;
  battery::LiveStatus live;
  live.onPower = false;
  live.chargePercent[0] = 65.0f;
  live.remainingSeconds[0] = 7200;
  battery::SlotTable slots;
  Graph graph(history, settings, live, slots, [] { return true; });
  graph.drawAxes();
  for (auto _ : state) {
    graph.redraw();
    benchmark::DoNotOptimize(graph.surface().constBits());
  }
}
BENCHMARK(BM_RedrawFullHistory)
    ->ArgNames({"mode", "zoom"})
    ->ArgsProduct({{0, 1, 2, 3}, {1, 16}})
    ->Unit(benchmark::kMicrosecond);

// One tick's sample as it comes: every 360th brings the shift.
void BM_RecordSample(benchmark::State& state) {
  ChargeHistory history;
  fillDay(history);
  double percent = 50.0;
  for (auto _ : state) {
    history.advance();
    history.writeSample(percent, false, false);
    percent = percent > 1.0 ? percent - 0.01 : 100.0;
  }
  benchmark::DoNotOptimize(history.sample(kHistorySamples));
}
BENCHMARK(BM_RecordSample);

// The sample that finds the newest page full and moves 30 minutes out.
void BM_RecordSampleWithShift(benchmark::State& state) {
  ChargeHistory history;
  fillDay(history);
  for (auto _ : state) {
    history.setWritePositionForTesting(kPageSamples);
    history.advance();
    history.writeSample(50.0, false, false);
    benchmark::DoNotOptimize(history.sample(1));
  }
}
BENCHMARK(BM_RecordSampleWithShift);

}  // namespace
}  // namespace voltaro::history
