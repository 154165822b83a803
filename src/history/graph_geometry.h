// Where the graph's history lands on its 800 x 434 picture: history columns
// and quarter-percent values mapped to pixels.
#pragma once

namespace voltaro::history {

constexpr int kGraphWidth = 800;
constexpr int kGraphHeight = 434;

// Column c (0..720) sits at x = 40 + c. Lines run through pixel centres, so a
// 1-pixel vertical line covers exactly one pixel column.
constexpr double columnX(double column) {
  return 40.0 + column + 0.5;
}
// A charge-line point of value v (0..400) sits at y = 416 - v.
constexpr double chargeY(double value) {
  return 416.0 - value;
}
// A fill line runs from y = 418 - v down to y = 414.
constexpr double fillTopY(double value) {
  return 418.0 - value;
}
constexpr double kFillBottomY = 414.0;

}  // namespace voltaro::history
