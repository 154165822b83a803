// The five views of the history: how many samples a column covers, where the
// newest view starts, how far an origin command moves, and the texts of the
// bottom line.
#pragma once

#include <string_view>

namespace voltaro::history {

// Zoom factors from the closest view (1 hour) to the widest (16 hours).
constexpr int kZoomSteps[] = {16, 8, 4, 2, 1};

bool validZoom(int zoom);
// Samples per column: 16 / zoom.
int samplesPerColumn(int zoom);
// The origin of the view that ends with the newest page: 16, 15, 13, 9, 1.
int newestOrigin(int zoom);
// Pages an origin command moves: 1, 2, 4, 8; 0 at zoom 1, where the view is fixed.
int originStep(int zoom);
// True for the zoom and origin pairs the commands can reach.
bool validView(int zoom, int origin);
// Column (0..720) of the newest sample in the newest view of this zoom.
int newestColumn(int zoom, int writePosition);

std::string_view gridText(int zoom);  // "Grid: 15 min" ...
std::string_view timeText(int zoom);  // "Time: 1 h" ...

}  // namespace voltaro::history
