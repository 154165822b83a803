#include "app/window_look.h"

#include <QPalette>
#include <QWidget>

namespace voltaro::app {

QWidget* makePanel(QWidget* parent, QRect area, const QColor& colour) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(area);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  return panel;
}

void setTextColour(QWidget* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace voltaro::app
