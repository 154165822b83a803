// The main window's pictures: the background, the gauge and the graph are
// painted only while the window is shown; hidden in the tray it holds none.
#include <QHideEvent>
#include <QPainter>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/main_window.h"
#include "engine/engine.h"
#include "frontend/main_window/window_commands.h"
#include "history/graph.h"

namespace voltaro::app {

namespace mw = frontend::main_window;

void MainWindow::drawAxes() {
  if (graph_) graph_->drawAxes();
  redraw();
}

// The graph is drawn, and its label given a picture, only while it can be
// seen; the window's showing draws it again.
void MainWindow::redraw() {
  if (!graph_ || !isVisible() || page_ != PageNumber::Graph) return;
  graph_->redraw();
  graphLabel_->setPixmap(QPixmap::fromImage(graph_->surface()));
}

void MainWindow::drawgauge() {
  gaugeStale_ = true;
  if (isVisible()) paintGauge();
}

void MainWindow::paintGauge() {
  gaugeStale_ = false;
  const WindowPictures& art = pictures();
  if (gauge_.isNull()) gauge_ = art.gauge.empty.copy();
  if (engine_ != nullptr) {
    const mw::GaugeFigures figures = mw::gaugeFigures(*engine_);
    drawGauge(gauge_, art.gauge, figures.level, figures.chargingCase, figures.mode);
  }
  gaugeLabel_->setPixmap(QPixmap::fromImage(gauge_));
}

const QImage& MainWindow::gaugeImage() {
  if (gaugeStale_) paintGauge();
  return gauge_;
}

const WindowPictures& MainWindow::pictures() const {
  if (!pictures_) pictures_ = WindowPictures::load(dotsPerInch_);
  return *pictures_;
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPoint(0, 0), pictures().background);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (windowIcon().isNull()) setWindowIcon(QIcon(":/skin/voltaro.png"));
  logo_->setPixmap(pictures().logo);
  if (gaugeStale_) paintGauge();
  drawAxes();
}

// Back in the tray: the pictures, the graph's images and the labels'
// copies of them go, and the memory they held goes back to the system.
void MainWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;  // minimised, not hidden
  pictures_.reset();
  logo_->clear();
  gaugeLabel_->clear();
  gaugeStale_ = true;
  graphLabel_->clear();
  if (graph_) graph_->release();
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

}  // namespace voltaro::app
