// The main window's colours and the two helpers that give its panels and
// labels their look.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QWidget;

namespace voltaro::app {

inline const QColor kColumnColour(25, 28, 52);
inline const QColor kCaptionColour(153, 153, 153);
inline const QColor kValueColour(232, 236, 244);
inline const QColor kHeaderBand(16, 20, 24);
inline const QColor kStatusGrey(147, 149, 153);
inline const QColor kLinkHover(32, 128, 176);

// A plain panel filled with `colour`; the page panels in page order are
// Panel6, Panel1, Panel8, Panel3, Panel4, Panel2.
QWidget* makePanel(QWidget* parent, QRect area, const QColor& colour);
// The style sheet of a label in `colour` over a transparent background.
QString colourSheet(const QColor& colour);

}  // namespace voltaro::app
