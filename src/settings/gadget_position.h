// The desktop gadget's screen position and its default place.
#pragma once

#include <cstdint>

namespace voltaro::settings {

struct GadgetPosition {
  std::int32_t left = 0;  // pixels from the screen's left edge
  std::int32_t top = 0;   // pixels from the screen's top edge
  bool operator==(const GadgetPosition&) const = default;
};

// The place used when "battery.ini" is missing, measured from the bottom-right
// corner of a screen `screenWidth` x `screenHeight` pixels large.
GadgetPosition defaultGadgetPosition(bool style3D, bool smallSize, std::int32_t screenWidth,
                                     std::int32_t screenHeight);

}  // namespace voltaro::settings
