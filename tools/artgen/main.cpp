// Draws every picture of the program's skin into a folder:
//   voltaro_artgen OUTPUT_FOLDER
//   voltaro_artgen --gadget OUTPUT_FOLDER
//   voltaro_artgen --icons OUTPUT_FOLDER
// The build runs it and embeds the pictures as resources; with --gadget it
// writes the desktop gadget's skins "vtat1.dat" .. "vtat16.dat" (PNG files),
// which the program reads from its folder; with --icons the program icon at
// the icon theme's sizes, "voltaro_16.png" .. "voltaro_256.png". Nothing here is copied from
// anywhere, the pictures are painted from shapes.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "art.h"

using namespace voltaro::artgen;

namespace {
bool save(const QImage& image, const QDir& dir, const QString& name) {
  if (image.save(dir.filePath(name + ".png"))) return true;
  std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(dir.filePath(name)));
  return false;
}

int writeGadgetSkins(const QDir& dir) {
  bool ok = true;
  for (int number = 1; number <= 16; ++number) {
    const QString path = dir.filePath(QString("vtat%1.dat").arg(number));
    if (drawGadgetSkin(number).save(path, "PNG")) continue;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    ok = false;
  }
  return ok ? 0 : 1;
}
// The sizes of the hicolor icon theme's folders the package fills.
int writeIcons(const QDir& dir) {
  bool ok = true;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    ok = save(drawAppIcon(size), dir, QString("voltaro_%1").arg(size)) && ok;
  }
  return ok ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool gadget = argc == 3 && QString(argv[1]) == "--gadget";
  const bool icons = argc == 3 && QString(argv[1]) == "--icons";
  if (argc != 2 && !gadget && !icons) {
    std::fprintf(stderr, "usage: voltaro_artgen [--gadget | --icons] OUTPUT_FOLDER\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[argc - 1]));
  if (!dir.mkpath(".")) return 1;
  if (gadget) return writeGadgetSkins(dir);
  if (icons) return writeIcons(dir);
  bool ok = save(drawBackground(), dir, "background");
  for (const char* icon : {"save", "info", "graph", "settings", "alerts", "calibrate", "home",
                           "green", "help", "minimize", "exit"}) {
    ok = save(drawTopBarStrip(icon), dir, QString("top_") + icon) && ok;
  }
  for (const char* kind : {"checked", "notchecked", "dreapta", "stanga", "plusul", "minusul"}) {
    ok = save(drawSmallStrip(kind), dir, kind) && ok;
  }
  ok = save(drawGaugeEmpty(false), dir, "gauge_empty") && ok;
  ok = save(drawGaugeEmpty(true), dir, "gauge_empty_charging") && ok;
  for (const char* mode : {"normal", "green", "calibration", "fastdischarge"}) {
    ok = save(drawGaugeFill(mode, false), dir, QString("gauge_") + mode) && ok;
    ok = save(drawGaugeFill(mode, true), dir, QString("gauge_") + mode + "_charging") && ok;
  }
  for (int state = 0; state <= 16; ++state) {
    ok = save(drawTrayIcon(state), dir, QString("tray_%1").arg(state, 2, 10, QChar('0'))) && ok;
  }
  ok = save(drawDialogPicture(), dir, "dialog") && ok;
  ok = save(drawAppIcon(256), dir, "voltaro") && ok;
  ok = save(drawChargingSymbol(false), dir, "gadget_charging_large") && ok;
  ok = save(drawChargingSymbol(true), dir, "gadget_charging_small") && ok;
  return ok ? 0 : 1;
}
