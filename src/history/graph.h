// The charge graph of the Graph page: the background with its axis texts and
// the drawing surface that every redraw paints from a copy of it.
#pragma once

#include <QImage>
#include <functional>

#include "history/charge_history.h"
#include "history/graph_drawing.h"
#include "history/graph_port.h"

namespace voltaro::battery {
struct LiveStatus;
struct SlotTable;
}  // namespace voltaro::battery
namespace voltaro::settings {
struct AppSettings;
}

namespace voltaro::history {

class Graph : public GraphPort {
 public:
  // True while the Graph page and the main window are both visible. An empty
  // function counts as always visible (tools that draw without a window).
  using Visibility = std::function<bool()>;

  Graph(const ChargeHistory& history, const settings::AppSettings& settings,
        const battery::LiveStatus& live, const battery::SlotTable& slotTable, Visibility graphShown,
        double dotsPerInch = 96.0);

  // While nobody can see the graph its images are dropped instead: the next
  // redraw that can be seen paints the axes again.
  void drawAxes() override;
  // Does nothing while nobody can see the graph.
  void redraw() override;
  // Drops the background and the surface (2.7 MB) until the next redraw.
  void release();

  // Null while released.
  const QImage& background() const { return background_; }
  // The screenshot stamps its caption here and encodes it.
  QImage& surface() { return surface_; }
  const QImage& surface() const { return surface_; }

  double dotsPerInch() const { return dotsPerInch_; }
  GraphOptions options() const;
  GraphReadings readings() const;

 private:
  const ChargeHistory& history_;
  const settings::AppSettings& settings_;
  const battery::LiveStatus& live_;
  const battery::SlotTable& slots_;
  Visibility graphShown_;
  bool shown() const { return !graphShown_ || graphShown_(); }

  double dotsPerInch_;
  QImage background_;
  QImage surface_;
};

}  // namespace voltaro::history
