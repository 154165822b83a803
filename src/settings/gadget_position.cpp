// The desktop gadget's screen position and its default place.
#include "settings/gadget_position.h"

namespace voltaro::settings {

GadgetPosition defaultGadgetPosition(bool style3D, bool smallSize, std::int32_t screenWidth,
                                     std::int32_t screenHeight) {
  // Offsets from the bottom-right corner; the 3D pictures are taller than the 2D ones.
  const std::int32_t fromRight = smallSize ? 49 : 96;
  std::int32_t fromBottom = 0;
  if (style3D) {
    fromBottom = smallSize ? 158 : 275;
  } else {
    fromBottom = smallSize ? 149 : 256;
  }
  return GadgetPosition{screenWidth - fromRight, screenHeight - fromBottom};
}

}  // namespace voltaro::settings
