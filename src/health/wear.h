// Wear figures derived from the designed, full-charged and maximum capacities.
// They are never stored; they are recomputed whenever an input changes.
#pragma once

#include <cstdint>

namespace voltaro::health {

struct WearFigures {
  double wearLevel = 0.0;          // percent
  double maximumWear = 0.0;        // percent
  std::uint32_t capacityDrop = 0;  // mWh
  bool operator==(const WearFigures&) const = default;
};

// (D - F) x 100 / D when D is not 0 and D >= F, else 0.
double wearLevel(std::uint32_t designed, std::uint32_t fullCharged);

// For the battery whose health record is kept: wear against the maximum
// capacity M when M is not 0 and M >= F, else the ordinary wear level.
double maximumWear(std::uint32_t maximum, std::uint32_t designed, std::uint32_t fullCharged);

// M - F when F < M, else D - F when F <= D, else 0.
std::uint32_t capacityDrop(std::uint32_t maximum, std::uint32_t designed,
                           std::uint32_t fullCharged);

// For a battery without a health record: D - F when F <= D, else 0.
std::uint32_t capacityDropWithoutRecord(std::uint32_t designed, std::uint32_t fullCharged);

WearFigures wearFigures(std::uint32_t maximum, std::uint32_t designed, std::uint32_t fullCharged);

}  // namespace voltaro::health
