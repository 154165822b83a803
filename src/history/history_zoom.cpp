#include "history/history_zoom.h"

#include <algorithm>
#include <iterator>

namespace voltaro::history {
namespace {

struct ZoomRow {
  int zoom;
  int newestOrigin;
  int step;
  int labelOffset;  // column of write position 0 in the newest view
  std::string_view grid;
  std::string_view time;
};

constexpr ZoomRow kRows[] = {
    {16, 16, 1, 0, "Grid: 15 min", "Time: 1 h"}, {8, 15, 2, 360, "Grid: 30 min", "Time: 2 h"},
    {4, 13, 4, 540, "Grid: 1 h", "Time: 4 h"},   {2, 9, 8, 630, "Grid: 2 h", "Time: 8 h"},
    {1, 1, 0, 675, "Grid: 4 h", "Time: 16 h"},
};

const ZoomRow& row(int zoom) {
  const auto* found = std::find_if(std::begin(kRows), std::end(kRows),
                                   [zoom](const ZoomRow& r) { return r.zoom == zoom; });
  // An unknown zoom falls back to the 1-hour view; callers check validZoom.
  return found == std::end(kRows) ? kRows[0] : *found;
}

}  // namespace

bool validZoom(int zoom) {
  return std::any_of(std::begin(kRows), std::end(kRows),
                     [zoom](const ZoomRow& r) { return r.zoom == zoom; });
}

int samplesPerColumn(int zoom) {
  return 16 / row(zoom).zoom;
}
int newestOrigin(int zoom) {
  return row(zoom).newestOrigin;
}
int originStep(int zoom) {
  return row(zoom).step;
}

bool validView(int zoom, int origin) {
  if (!validZoom(zoom)) return false;
  const int newest = newestOrigin(zoom);
  if (origin < 1 || origin > newest) return false;
  const int step = originStep(zoom);
  if (step == 0) return origin == newest;
  return (newest - origin) % step == 0;
}

int newestColumn(int zoom, int writePosition) {
  return writePosition / samplesPerColumn(zoom) + row(zoom).labelOffset;
}

std::string_view gridText(int zoom) {
  return row(zoom).grid;
}
std::string_view timeText(int zoom) {
  return row(zoom).time;
}

}  // namespace voltaro::history
