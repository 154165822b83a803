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

QString colourSheet(const QColor& colour) {
  return QString("color: rgb(%1, %2, %3); background: transparent;")
      .arg(colour.red())
      .arg(colour.green())
      .arg(colour.blue());
}

}  // namespace voltaro::app
