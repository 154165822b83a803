#include "gadget/gadget_picture.h"

#include <algorithm>

namespace voltaro::gadget {

namespace {
// Large 3D: the column stands on rows 223..234 and rises two rows per
// percent; its surface's lower edge is at row 233 - 2L.
constexpr int kLargeBottomTop = 223;
constexpr int kLargeBottomRows = 12;
constexpr int kLargeSurfaceRows = 10;
constexpr int kLargeLowTop = 211;
constexpr int kLargeLowRows = 24;
constexpr int kLargeHighRows = 43;
// Small 3D: the column stands on rows 111..117 and rises one row per percent.
constexpr int kSmallBottomTop = 111;
constexpr int kSmallBottomRows = 7;
constexpr int kSmallSurfaceRows = 6;
constexpr int kSmallLowTop = 105;
constexpr int kSmallLowRows = 13;
constexpr int kSmallHighRows = 22;
constexpr int kHighLevel = 95;

void start(PixelBuffer& picture, const PixelBuffer& from) {
  if (picture.size() != from.size()) picture = PixelBuffer(from.width(), from.height());
  picture.copyRows(from, 0, 0, from.height());
}

void composeLarge3D(const GadgetSkins& s, int level, PixelBuffer& picture) {
  start(picture, s.file(5));
  if (level < 6) {
    picture.copyRows(s.file(10), level * kLargeLowRows, kLargeLowTop, kLargeLowRows);
    return;
  }
  picture.copyRows(s.file(7), 0, kLargeBottomTop, kLargeBottomRows);
  if (level < kHighLevel) {
    const int d = 233 - 2 * level;
    picture.stretchRows(s.file(8), d, kLargeBottomTop);
    picture.copyRows(s.file(9), 0, d - kLargeSurfaceRows, kLargeSurfaceRows);
    return;
  }
  picture.stretchRows(s.file(8), kLargeHighRows, kLargeBottomTop);
  picture.copyRows(s.file(11), (level - kHighLevel) * kLargeHighRows, 0, kLargeHighRows);
}

void composeSmall3D(const GadgetSkins& s, int level, PixelBuffer& picture) {
  start(picture, s.file(6));
  if (level < 7) {
    picture.copyRows(s.file(15), level * kSmallLowRows, kSmallLowTop, kSmallLowRows);
    return;
  }
  picture.copyRows(s.file(12), 0, kSmallBottomTop, kSmallBottomRows);
  if (level < kHighLevel) {
    const int d = 117 - level;
    picture.stretchRows(s.file(13), d, kSmallBottomTop);
    picture.copyRows(s.file(14), 0, d - kSmallSurfaceRows, kSmallSurfaceRows);
    return;
  }
  picture.stretchRows(s.file(13), kSmallHighRows, kSmallBottomTop);
  picture.copyRows(s.file(16), (level - kHighLevel) * kSmallHighRows, 0, kSmallHighRows);
}

// The empty battery with the rows of the full one from the level line down:
// from row 215 - 2L (large) or 108 - L (small) to the bottom.
void compose2D(const GadgetSkins& s, int level, bool small, PixelBuffer& picture) {
  const PixelBuffer& empty = s.file(small ? 2 : 1);
  const PixelBuffer& full = s.file(small ? 4 : 3);
  if (level >= 100) {
    start(picture, full);
    return;
  }
  start(picture, empty);
  if (level <= 0) return;
  const int top = small ? 108 - level : 215 - 2 * level;
  picture.copyRows(full, top, top, full.height() - top);
}
}  // namespace

void composePicture(const GadgetSkins& skins, int level, GadgetLook look, PixelBuffer& picture) {
  level = std::clamp(level, 0, 100);
  if (!look.style3D) {
    compose2D(skins, level, look.small, picture);
  } else if (look.small) {
    composeSmall3D(skins, level, picture);
  } else {
    composeLarge3D(skins, level, picture);
  }
}

}  // namespace voltaro::gadget
