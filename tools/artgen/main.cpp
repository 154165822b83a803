// Draws every picture of the program's skin into a folder:
//   voltaro_artgen OUTPUT_FOLDER
// The build runs it and embeds the pictures as resources; nothing here is
// copied from anywhere, the pictures are painted from shapes.
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
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: voltaro_artgen OUTPUT_FOLDER\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) return 1;
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
  return ok ? 0 : 1;
}
