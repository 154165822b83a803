#include "health/wear.h"

namespace voltaro::health {

namespace {

// (base - full) x 100 / base in floating point, for base >= full.
double lossPercent(std::uint32_t base, std::uint32_t fullCharged) {
  return static_cast<double>(base - fullCharged) * 100.0 / static_cast<double>(base);
}

}  // namespace

double wearLevel(std::uint32_t designed, std::uint32_t fullCharged) {
  if (designed == 0 || designed < fullCharged) return 0.0;
  return lossPercent(designed, fullCharged);
}

double maximumWear(std::uint32_t maximum, std::uint32_t designed, std::uint32_t fullCharged) {
  if (maximum != 0 && maximum >= fullCharged) return lossPercent(maximum, fullCharged);
  return wearLevel(designed, fullCharged);
}

std::uint32_t capacityDrop(std::uint32_t maximum, std::uint32_t designed,
                           std::uint32_t fullCharged) {
  if (fullCharged < maximum) return maximum - fullCharged;
  return capacityDropWithoutRecord(designed, fullCharged);
}

std::uint32_t capacityDropWithoutRecord(std::uint32_t designed, std::uint32_t fullCharged) {
  return fullCharged <= designed ? designed - fullCharged : 0;
}

WearFigures wearFigures(std::uint32_t maximum, std::uint32_t designed, std::uint32_t fullCharged) {
  return {wearLevel(designed, fullCharged), maximumWear(maximum, designed, fullCharged),
          capacityDrop(maximum, designed, fullCharged)};
}

}  // namespace voltaro::health
