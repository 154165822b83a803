#include "gadget/gadget_skins.h"

#include "gadget/gadget_layout.h"

namespace voltaro::gadget {

namespace {
// Heights of skins 1..16; the odd-numbered pictures of each pair below 7
// and skins 7 to 11 are large (96 wide), the others small (49 wide).
constexpr std::array<int, kSkinCount> kHeights = {216, 109, 216, 109, 235, 118, 12, 1,
                                                  10,  144, 258, 7,   1,   6,   91, 132};
}  // namespace

std::string skinFileName(int number) {
  return "vtat" + std::to_string(number) + ".dat";
}

PixelSize skinSize(int number) {
  const bool large = number <= 6 ? number % 2 == 1 : number <= 11;
  return PixelSize{windowSize(GadgetLook{!large, true}).width,
                   kHeights[static_cast<std::size_t>(number - 1)]};
}

}  // namespace voltaro::gadget
