// The graph's drawing on Qt images: the toolkit-neutral background, axes,
// history, line and screenshot through a QPainter canvas.
#include <QPainter>

#include "canvas/qt_canvas.h"
#include "history/graph_background.h"
#include "history/graph_drawing.h"
#include "history/graph_jpeg.h"
#include "history/graph_line.h"
#include "history/graph_screenshot.h"
#include "history/graph_stroke.h"
#include "history/graph_text.h"

namespace voltaro::history {

void drawHistory(QImage& surface, const ChargeHistory& history, const GraphOptions& options,
                 const GraphReadings& readings) {
  canvas::QtCanvas canvas(surface);
  drawHistory(canvas, history, options, readings);
}

QImage makeGraphBackground() {
  QImage picture(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
  canvas::QtCanvas canvas(picture);
  paintGraphBackground(canvas);
  return picture;
}

void paintAxes(QImage& background, int zoom, double dotsPerInch) {
  canvas::QtCanvas canvas(background);
  paintGraphAxes(canvas, zoom, dotsPerInch);
}

void drawGraphLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style) {
  canvas::QtCanvas canvas(painter);
  const QRgb colour = style.color.rgb() & 0xFFFFFF;
  strokeGraphLine(canvas, {from.x(), from.y()}, {to.x(), to.y()},
                  {colour, style.width, style.opacity,
                   style.cap == Qt::RoundCap ? canvas::LineCap::Round : canvas::LineCap::Flat});
}

QFont graphFont(double dotsPerInch) {
  return canvas::QtCanvas::qtFont(graphCanvasFont(dotsPerInch), dotsPerInch);
}

ScreenshotResult saveScreenshot(QImage& surface, const std::string& folder,
                                const std::string& caption, double dotsPerInch) {
  canvas::QtCanvas canvas(surface);
  const JpegEncoder encode = [&surface] { return encodeJpeg(surface, kScreenshotQuality); };
  return saveScreenshot(canvas, encode, folder, caption, dotsPerInch);
}

}  // namespace voltaro::history
