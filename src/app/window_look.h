// The helpers that give the main window's panels and labels their look, in
// the colours of the front end's page layout.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "canvas/canvas.h"

class QWidget;

namespace voltaro::app {

inline QColor qtColour(canvas::Colour colour) {
  return QColor(int(canvas::redOf(colour)), int(canvas::greenOf(colour)),
                int(canvas::blueOf(colour)));
}

// A plain panel filled with `colour`; the page panels in page order are
// Panel6, Panel1, Panel8, Panel3, Panel4, Panel2.
QWidget* makePanel(QWidget* parent, QRect area, const QColor& colour);
// The style sheet of a label in `colour` over a transparent background.
QString colourSheet(const QColor& colour);

}  // namespace voltaro::app
