// The picture makers of the skin generator. Each returns a finished image of
// the size the window expects.
#pragma once

#include <QImage>
#include <QString>

namespace voltaro::artgen {

// 1000 x 670: the window background.
QImage drawBackground();
// 360 x 90: four 90 x 90 frames of a top-bar button; `icon` names the command
// ("save", "info", "graph", "settings", "alerts", "calibrate", "home",
// "green", "help", "minimize", "exit"). Captions are painted by the program.
QImage drawTopBarStrip(const QString& icon);
// 104 x 26: four 26 x 26 frames of a round control; `kind` is "checked",
// "notchecked", "dreapta", "stanga", "plusul" or "minusul".
QImage drawSmallStrip(const QString& kind);
// 49 x 111: the empty gauge, with a charging bolt when `charging`.
QImage drawGaugeEmpty(bool charging);
// 45 x 100: a gauge fill; `mode` is "normal", "green", "calibration" or
// "fastdischarge".
QImage drawGaugeFill(const QString& mode, bool charging);
// 64 x 64 tray picture of an icon state 0..16.
QImage drawTrayIcon(int state);
// 24 x 54: the picture of the dialogs.
QImage drawDialogPicture();
// The program's icon at `size` pixels.
QImage drawAppIcon(int size);

// Skin `number` (1..16) of the desktop gadget at the size and band layout
// the program expects, with straight alpha written for the program's level
// rule (see encodeGadgetAlpha).
QImage drawGadgetSkin(int number);
// The 2D skins (1..4) and the 3D skins (5..16) before that encoding.
QImage drawGadget2D(int number);
QImage drawGadget3D(int number);
// The charging symbol on the gadget's key colour: 96 x 50, or 49 x 30 small.
QImage drawChargingSymbol(bool small);

}  // namespace voltaro::artgen
