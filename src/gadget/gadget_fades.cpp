#include "gadget/gadget_fades.h"

#include "common/rounding.h"
#include "gadget/gadget_alpha.h"

namespace voltaro::gadget {

namespace {
constexpr int kAppearingSteps = 20;
constexpr int kHoverSteps = 10;

std::uint8_t rounded(double value) {
  return static_cast<std::uint8_t>(roundHalfEven(value));
}

// The alpha at step `i` of 10 between the opacity (0) and opaque (10).
std::uint8_t hoverAlpha(int i, int opacity) {
  return rounded((i * 25500.0 + opacity * (kHoverSteps - i) * 255.0) / 1000.0);
}
}  // namespace

std::vector<std::uint8_t> appearingAlphas(int opacity) {
  const int target = opacityAlpha(opacity);
  std::vector<std::uint8_t> steps;
  for (int i = 1; i <= kAppearingSteps; ++i) {
    steps.push_back(rounded(static_cast<double>(i * target) / kAppearingSteps));
  }
  return steps;
}

std::vector<std::uint8_t> hoverInAlphas(int opacity) {
  std::vector<std::uint8_t> steps;
  for (int i = 1; i <= kHoverSteps; ++i) steps.push_back(hoverAlpha(i, opacity));
  return steps;
}

std::vector<std::uint8_t> hoverOutAlphas(int opacity) {
  std::vector<std::uint8_t> steps;
  for (int n = kHoverSteps - 1; n >= 0; --n) steps.push_back(hoverAlpha(n, opacity));
  return steps;
}

}  // namespace voltaro::gadget
