#include "ui/qt_gadget_text.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace voltaro::ui {

namespace {
// 96 dots per inch: the sizes are points at 96 dpi whatever the screen, so
// the texts keep their pixel size in the fixed-size picture.
constexpr int kDotsPerMeter = 3780;
}  // namespace

void QtGadgetText::drawCentred(gadget::PixelBuffer& layer, const gadget::TextLine& line) {
  QImage image(reinterpret_cast<uchar*>(layer.data()), layer.width(), layer.height(),
               layer.width() * 4, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  QPainter painter(&image);
  QFont font("Verdana");
  font.setPointSizeF(line.points);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(line.colour));
  painter.drawText(QRect(0, line.top, layer.width(), layer.height() - line.top),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(line.text));
}

}  // namespace voltaro::ui
