// Texts on the graph: the "Verdana" font scaled for the screen, drawn with
// its top-left corner at the given point on a transparent background.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace voltaro::history {

inline const QColor kAxisTextColor{0x99, 0x99, 0x99};

// Nine points at 96 dots per inch: the point size is 864 / dpi, rounded, so
// the text keeps about the same size in pixels on every screen. Where
// "Verdana" is missing, fontconfig's substitute is used.
QFont graphFont(double dotsPerInch);

void drawGraphText(QPainter& painter, int x, int y, const QString& text, const QFont& font,
                   const QColor& color);

}  // namespace voltaro::history
