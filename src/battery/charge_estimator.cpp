#include "battery/charge_estimator.h"

#include <cstdint>
#include <cstdlib>

#include "common/day_number.h"
#include "common/rounding.h"

namespace voltaro::battery {

namespace {

std::uint32_t clampedMagnitude(std::int64_t value) {
  if (value == INT64_MIN) return UINT32_MAX;
  const auto magnitude = static_cast<std::uint64_t>(std::llabs(value));
  return magnitude > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(magnitude);
}

// |round(a) + round(b)| as unsigned seconds.
std::uint32_t absoluteSum(double a, double b) {
  return clampedMagnitude(roundHalfEven(a) + roundHalfEven(b));
}

}  // namespace

std::uint32_t roundedMagnitude(double value) {
  return clampedMagnitude(roundHalfEven(value));
}

void ChargeEstimator::start(std::uint32_t capacity) {
  LiveStatus& live = c_.live;
  const DayTime now = c_.runtime.now();
  live.estimatorStart = now;
  live.estimatorLastChange = now;
  live.estimatorStartCapacity = capacity;
  live.estimatorLastChangeCapacity = capacity;
  live.estimatorChanges = 0;
}

void ChargeEstimator::update(std::uint32_t capacity, std::uint32_t fullCharged) {
  LiveStatus& live = c_.live;
  if (!live.charging) {
    live.estimatorStart = 0;
    live.estimatorChanges = 0;
  }
  if (!live.previousOnPower && live.onPower) {
    if (c_.settings.EnableAeroOnAC != 0) c_.hooks.restoreCompositionOnAc();
    start(capacity);
  }
  if (live.charging && live.estimatorStart == 0) start(capacity);
  if (live.chargeEstimate == 0 && live.onPower && live.charging && live.estimatorStart != 0) {
    estimate(capacity, fullCharged);
  }
}

void ChargeEstimator::estimate(std::uint32_t capacity, std::uint32_t fullCharged) {
  LiveStatus& live = c_.live;
  std::uint32_t& rate = c_.settings.LearnedChargeRate;  // mWh per day
  const DayTime now = c_.runtime.now();
  if (live.estimatorChanges < 2 && rate != 0) {
    // Time to charge from the start capacity at the learned speed, less the
    // time already spent.
    const auto toCharge =
        static_cast<double>(static_cast<std::int64_t>(fullCharged) - live.estimatorStartCapacity);
    live.chargeEstimate =
        absoluteSum(toCharge / rate * kSecondsPerDay, (live.estimatorStart - now) * kSecondsPerDay);
  }
  if (live.estimatorChanges >= 2) {
    if (capacity > live.estimatorLastChangeCapacity && now != live.estimatorLastChange) {
      const double gained = capacity - live.estimatorLastChangeCapacity;
      rate = roundedMagnitude(gained / (now - live.estimatorLastChange));
    }
    // With no learned speed the estimate keeps its value.
    if (rate != 0) {
      const auto toCharge = static_cast<double>(static_cast<std::int64_t>(fullCharged) - capacity);
      live.chargeEstimate = absoluteSum(toCharge / rate * kSecondsPerDay,
                                        (live.estimatorLastChange - now) * kSecondsPerDay);
    }
  }
  if (capacity != live.estimatorLastChangeCapacity) {
    ++live.estimatorChanges;
    if (live.estimatorChanges == 3) c_.hooks.saveChargeRate();
    live.estimatorLastChangeCapacity = capacity;
    live.estimatorLastChange = now;
  }
}

}  // namespace voltaro::battery
