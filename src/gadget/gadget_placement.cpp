#include "gadget/gadget_placement.h"

#include <algorithm>

namespace voltaro::gadget {

GadgetPosition adjpoz(GadgetPosition position, GadgetLook look, ScreenArea area) {
  const int right = area.width - windowSize(look).width;
  const int bottom = area.height - bottomMargin(look);
  if (position.left > right) position.left = right;
  if (position.top > bottom) position.top = bottom;
  return position;
}

GadgetPosition startingPosition(const std::optional<GadgetPosition>& saved, GadgetLook look,
                                ScreenArea primary, ScreenArea desktop) {
  GadgetPosition position =
      settings::defaultGadgetPosition(look.style3D, look.small, primary.width, primary.height);
  if (saved) {
    position.left = std::max(saved->left, 0);
    position.top = std::max(saved->top, 0);
  }
  return adjpoz(position, look, desktop);
}

}  // namespace voltaro::gadget
