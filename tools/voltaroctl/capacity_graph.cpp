#include "capacity_graph.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

#include "common/file_io.h"
#include "history/graph_background.h"
#include "history/graph_line.h"
#include "journal/capacity_plot.h"
#include "journal/journal_dates.h"
#include "journal/wear_trend.h"
#include "qt_application.h"

namespace voltaro::tools {

namespace {

using history::chargeY;
using history::columnX;

const history::LineStyle kCapacityLine{QColor(90, 220, 90), 2.0, 1.0, Qt::RoundCap};
const history::LineStyle kTrendLine{QColor(255, 170, 40), 1.5, 0.9, Qt::FlatCap};
const history::LineStyle kReplacementLine{QColor(230, 60, 60), 1.0, 0.8, Qt::FlatCap};
const history::LineStyle kCalibrationLine{QColor(120, 160, 255), 1.0, 0.7, Qt::FlatCap};

QPointF at(const journal::PlotSpot& spot) {
  return {columnX(spot.column), chargeY(spot.value)};
}

void label(QPainter& painter, double x, double y, const std::string& text, Qt::Alignment align) {
  const QRectF box(x - 150, y - 8, 300, 16);
  const QRectF aligned = align & Qt::AlignLeft    ? box.translated(150, 0)
                         : align & Qt::AlignRight ? box.translated(-150, 0)
                                                  : box;
  painter.drawText(aligned, static_cast<int>(align | Qt::AlignVCenter),
                   QString::fromStdString(text));
}

}  // namespace

std::optional<std::string> drawCapacityGraph(const std::vector<journal::JournalEntry>& entries,
                                             const std::string& path) {
  const auto app = guiApplication();
  const journal::WearTrend trend = journal::fitWearTrend(entries);
  const journal::CapacityPlot plot = journal::layoutCapacityPlot(entries, trend);

  QImage surface = history::makeGraphBackground();
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::Antialiasing);
  const double half = journal::kPlotFullValue / 2;
  history::drawGraphLine(painter, {columnX(0), chargeY(half)},
                         {columnX(journal::kPlotColumns), chargeY(half)}, kReplacementLine);
  for (double column : plot.calibrationColumns) {
    history::drawGraphLine(painter, {columnX(column), chargeY(0)},
                           {columnX(column), chargeY(journal::kPlotFullValue)}, kCalibrationLine);
  }
  // The readings over the fitted line.
  if (plot.trend)
    history::drawGraphLine(painter, at(plot.trend->first), at(plot.trend->second), kTrendLine);
  for (const auto& run : plot.runs) {
    if (run.size() == 1) history::drawGraphLine(painter, at(run[0]), at(run[0]), kCapacityLine);
    for (std::size_t i = 1; i < run.size(); ++i) {
      history::drawGraphLine(painter, at(run[i - 1]), at(run[i]), kCapacityLine);
    }
  }

  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  painter.setPen(QColor(200, 200, 200));
  label(painter, columnX(0), 425, journal::isoDate(plot.firstDay), Qt::AlignLeft);
  label(painter, columnX(journal::kPlotColumns), 425, journal::isoDate(plot.endDay),
        Qt::AlignRight);
  for (int percent : {0, 50, 100}) {
    label(painter, 36, chargeY(journal::kPlotFullValue * percent / 100),
          std::to_string(percent) + " %", Qt::AlignRight);
  }
  label(painter, columnX(journal::kPlotColumns / 2), 8,
        "full-charged capacity, % of " + std::to_string(plot.fullScale) + " mWh", Qt::AlignHCenter);
  if (plot.projectedDay) {
    painter.setPen(kTrendLine.color);
    label(painter, columnX(journal::kPlotColumns) - 4, chargeY(half) - 10,
          "50 % on " + journal::isoDate(*plot.projectedDay), Qt::AlignRight);
  }
  painter.end();
  if (!surface.save(QString::fromStdString(path), "PNG")) return "cannot write " + path;
  return std::nullopt;
}

}  // namespace voltaro::tools
