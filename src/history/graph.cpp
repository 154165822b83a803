#include "history/graph.h"

#include <cstring>
#include <utility>

#include "battery/battery_state.h"
#include "history/graph_background.h"
#include "settings/app_settings.h"

namespace voltaro::history {

Graph::Graph(const ChargeHistory& history, const settings::AppSettings& settings,
             const battery::LiveStatus& live, const battery::SlotTable& slotTable,
             Visibility graphShown, double dotsPerInch)
    : history_(history),
      settings_(settings),
      live_(live),
      slots_(slotTable),
      graphShown_(std::move(graphShown)),
      dotsPerInch_(dotsPerInch) {}

void Graph::drawAxes() {
  if (!shown()) {
    release();
    return;
  }
  background_ = makeGraphBackground();
  paintAxes(background_, history_.zoom(), dotsPerInch_);
  surface_ = background_.copy();
}

void Graph::release() {
  background_ = QImage();
  surface_ = QImage();
}

void Graph::redraw() {
  if (!shown()) return;
  if (background_.isNull()) drawAxes();
  // Both images have the same size and format; copying the bytes keeps the
  // surface's own buffer instead of allocating a new one on every redraw.
  std::memcpy(surface_.bits(), background_.constBits(),
              static_cast<std::size_t>(background_.sizeInBytes()));
  drawHistory(surface_, history_, options(), readings());
}

GraphOptions Graph::options() const {
  return {settings_.SmoothGraphics != 0, settings_.FilledGraphics != 0,
          settings_.DischargeLine != 0, dotsPerInch_};
}

GraphReadings Graph::readings() const {
  const int slot = slots_.currentSlot;
  if (slot < 1 || slot > battery::kSlotCount) return {};
  return {live_.percent(slot), live_.onPower, live_.remaining(slot)};
}

}  // namespace voltaro::history
