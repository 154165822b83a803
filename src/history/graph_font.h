// Texts on the graph: the "Verdana" font scaled for the screen, drawn with
// the text's top-left corner at the given point.
#pragma once

#include <string_view>

#include "canvas/canvas.h"

namespace voltaro::history {

inline constexpr canvas::Colour kAxisTextColour = canvas::rgb(0x99, 0x99, 0x99);

// Nine points at 96 dots per inch: the point size is 864 / dpi, rounded, so
// the text keeps about the same size in pixels on every screen. The picture
// is a bitmap whose own resolution has nothing to do with the screen's, so
// the size is given in whole pixels as the screen would render it.
canvas::Font graphCanvasFont(double dotsPerInch);

void drawGraphText(canvas::Canvas& canvas, int x, int y, std::string_view text,
                   const canvas::Font& font, canvas::Colour colour);

}  // namespace voltaro::history
