// Where the gadget window goes: its default place at the bottom-right of the
// screen, the saved place of "battery.ini", and `adjpoz`, which pulls a
// window that lies beyond the right or the bottom edge back.
#pragma once

#include <optional>

#include "gadget/gadget_layout.h"
#include "settings/gadget_position.h"

namespace voltaro::gadget {

using settings::GadgetPosition;

// A screen area measured from the desktop's origin: everything left of
// `width` and above `height`.
struct ScreenArea {
  int width = 0;
  int height = 0;
};

// Past the right edge: X = width - window width; below the bottom margin:
// Y = height - (window height + 40). Nothing is clamped from the left or the
// top, so a drag may leave the window partly off those edges.
GadgetPosition adjpoz(GadgetPosition position, GadgetLook look, ScreenArea area);

// The place at creation: the saved one with negative coordinates raised to
// 0, or the default one measured from the primary screen's bottom-right
// corner; then `adjpoz` within the desktop.
GadgetPosition startingPosition(const std::optional<GadgetPosition>& saved, GadgetLook look,
                                ScreenArea primary, ScreenArea desktop);

}  // namespace voltaro::gadget
