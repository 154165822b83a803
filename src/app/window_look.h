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
// A label's text in `colour`; its background stays transparent. A palette,
// not a style sheet: a style sheet on each of the window's hundred and more
// labels costs about a megabyte and their polishing at start.
void setTextColour(QWidget* label, const QColor& colour);

}  // namespace voltaro::app
