// The learned charge estimator: while the driver gives no usable charge rate,
// the time to full charge comes from the charge speed learned over earlier
// capacity changes (AppSettings::LearnedChargeRate, mWh per day).
#pragma once

#include <cstdint>

#include "battery/battery_context.h"

namespace voltaro::battery {

class ChargeEstimator {
 public:
  explicit ChargeEstimator(BatteryContext& context) : c_(context) {}

  // One processed reading: `capacity` in mWh, `fullCharged` in mWh; reads
  // and updates the estimator fields and chargeEstimate of LiveStatus.
  void update(std::uint32_t capacity, std::uint32_t fullCharged);

 private:
  void start(std::uint32_t capacity);
  void estimate(std::uint32_t capacity, std::uint32_t fullCharged);

  BatteryContext& c_;
};

// |round(value)| held to the unsigned 32-bit range of the fields it goes into.
std::uint32_t roundedMagnitude(double value);

}  // namespace voltaro::battery
