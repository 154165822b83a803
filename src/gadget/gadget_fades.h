// The gadget's fades as sequences of global alphas, and their timing: the
// fade-in when it first appears, and the fade to opaque and back while the
// mouse rests on it.
#pragma once

#include <cstdint>
#include <vector>

namespace voltaro::gadget {

// Steps of the appearing fade and of the fade back to rest, this far apart.
inline constexpr std::uint32_t kFadeStepMilliseconds = 10;
// The hover timer, and its hold counter: set on entering, renewed by every
// move, counted down once per run. About two seconds after the last move
// the gadget fades back.
inline constexpr std::uint32_t kHoverTimerMilliseconds = 40;
inline constexpr int kHoldOnEnter = 50;
inline constexpr int kHoldOnMove = 48;

// `apari`: 20 steps, i = 1..20, round(i x round(opacity x 255 / 100) / 20).
std::vector<std::uint8_t> appearingAlphas(int opacity);
// The mouse came in: 10 steps, i = 1..10, from the opacity up to 255,
// round((i x 25500 + opacity x (10 - i) x 255) / 1000), shown at once.
std::vector<std::uint8_t> hoverInAlphas(int opacity);
// Back to rest: 10 steps, n = 9 down to 0, the same formula with n.
std::vector<std::uint8_t> hoverOutAlphas(int opacity);

}  // namespace voltaro::gadget
