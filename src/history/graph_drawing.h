// The history drawn onto a Qt image of the graph: the toolkit-neutral
// drawing (graph_plot.h) through a QPainter canvas.
#pragma once

#include <QImage>

#include "history/graph_plot.h"

namespace voltaro::history {

// Draws the history over `surface`, which holds a copy of the background.
void drawHistory(QImage& surface, const ChargeHistory& history, const GraphOptions& options,
                 const GraphReadings& readings);

}  // namespace voltaro::history
