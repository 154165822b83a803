// The graph's font as Qt sees it: "Verdana" scaled for the screen, or
// fontconfig's substitute where it is missing.
#pragma once

#include <QFont>

#include "history/graph_font.h"

namespace voltaro::history {

QFont graphFont(double dotsPerInch);

}  // namespace voltaro::history
