// Costs of one gadget redraw: the picture with its three texts (`p001`,
// the texts through QPainter) and the global alpha of the shown picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "gadget/gadget_alpha.h"
#include "gadget/gadget_composer.h"
#include "ui/qt_gadget_text.h"

namespace voltaro::gadget {
namespace {

void ensureGui() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "gadget_bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

GadgetSkins plainSkins() {
  GadgetSkins skins;
  for (int n = 1; n <= kSkinCount; ++n) {
    const PixelSize size = skinSize(n);
    skins.file(n) = PixelBuffer(size.width, size.height, argb(200, 20, 120, 60));
  }
  skins.chargingLarge = PixelBuffer(96, 50, kKeyColour);
  skins.chargingSmall = PixelBuffer(49, 30, kKeyColour);
  return skins;
}

// Argument: the charge level, which picks the way the 3D column is built.
void BM_ComposeLarge3D(benchmark::State& state) {
  ensureGui();
  const GadgetSkins skins = plainSkins();
  ui::QtGadgetText painter;
  GadgetComposer composer;
  GadgetFigures figures;
  figures.level = static_cast<int>(state.range(0));
  figures.onPower = false;
  figures.timeText = "2:11";
  figures.cpuUsage = 12;
  figures.showTimeRemaining = figures.showCpuUsage = true;
  figures.look = {false, true};
  for (auto _ : state) benchmark::DoNotOptimize(composer.p001(skins, figures, painter).data());
}
BENCHMARK(BM_ComposeLarge3D)->Arg(3)->Arg(57)->Arg(97);

void BM_GlobalAlphaLarge3D(benchmark::State& state) {
  const PixelBuffer picture(96, 235, argb(200, 20, 120, 60));
  PixelBuffer shown;
  for (auto _ : state) {
    applyGlobalAlpha(picture, 153, shown);
    benchmark::DoNotOptimize(shown.data());
  }
}
BENCHMARK(BM_GlobalAlphaLarge3D);

}  // namespace
}  // namespace voltaro::gadget
