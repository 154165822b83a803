#include "history/graph_text.h"

#include <QPainter>
#include <QRect>
#include <cmath>

#include "common/rounding.h"

namespace voltaro::history {

QFont graphFont(double dotsPerInch) {
  if (!(dotsPerInch > 0.0)) dotsPerInch = 96.0;
  const auto points = static_cast<double>(roundHalfEven(864.0 / dotsPerInch));
  QFont font(QStringLiteral("Verdana"));
  // The surface is a bitmap whose own resolution has nothing to do with the
  // screen's, so the size is given in pixels as the screen would render it.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dotsPerInch / 72.0))));
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void drawGraphText(QPainter& painter, int x, int y, const QString& text, const QFont& font,
                   const QColor& color) {
  painter.setOpacity(1.0);
  painter.setFont(font);
  painter.setPen(color);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace voltaro::history
