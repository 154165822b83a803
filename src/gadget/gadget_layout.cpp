#include "gadget/gadget_layout.h"

namespace voltaro::gadget {

namespace {
constexpr int kLargeWidth = 96;
constexpr int kSmallWidth = 49;
constexpr int kFreeBelow = 40;
}  // namespace

PixelSize windowSize(GadgetLook look) {
  if (look.style3D) return look.small ? PixelSize{kSmallWidth, 118} : PixelSize{kLargeWidth, 235};
  return look.small ? PixelSize{kSmallWidth, 109} : PixelSize{kLargeWidth, 216};
}

int bottomMargin(GadgetLook look) {
  return windowSize(look).height + kFreeBelow;
}

PixelSize textLayerSize(bool small) {
  return small ? PixelSize{kSmallWidth, 90} : PixelSize{kLargeWidth, 180};
}

int overlayOffset(GadgetLook look) {
  if (look.style3D) return look.small ? 24 : 46;
  return look.small ? 18 : 36;
}

PixelSize chargingSymbolSize(bool small) {
  return small ? PixelSize{kSmallWidth, 30} : PixelSize{kLargeWidth, 50};
}

int chargingSymbolTop(bool small) {
  return small ? 48 : 104;
}

}  // namespace voltaro::gadget
