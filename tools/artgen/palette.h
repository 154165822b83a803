// The colours of the skin, shared by every picture the generator draws.
#pragma once

#include <QColor>

namespace voltaro::artgen {

inline const QColor kColumn(25, 28, 52);     // the left column
inline const QColor kBarTop(32, 36, 64);     // top of the window
inline const QColor kBarBottom(16, 18, 34);  // behind the battery and page titles
inline const QColor kFooter(206, 210, 218);  // the bottom bar under the status line
inline const QColor kFooterEdge(150, 156, 170);
inline const QColor kAccent(32, 128, 176);  // hover and pressed looks
inline const QColor kIconRest(140, 152, 186);
inline const QColor kIconHot(214, 226, 255);
inline const QColor kIconPressed(255, 255, 255);
inline const QColor kGreenOn(46, 178, 112);
inline const QColor kRing(96, 104, 140);
inline const QColor kGaugeOutline(132, 142, 176);
inline const QColor kGaugeInside(12, 14, 28);

}  // namespace voltaro::artgen
