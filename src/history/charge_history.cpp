#include "history/charge_history.h"

#include <algorithm>
#include <cassert>

#include "common/rounding.h"
#include "history/history_zoom.h"

namespace voltaro::history {

ChargeHistory::ChargeHistory() {
  reset();
}

void ChargeHistory::reset() {
  samples_.fill(kNoSample);
  kinds_.fill(SampleKind::None);
  writePosition_ = 0;
  zoom_ = 16;
  origin_ = 16;
}

void ChargeHistory::advance() {
  if (writePosition_ != kPageSamples) {
    ++writePosition_;
    return;
  }
  shiftHalfHour();
  writePosition_ = kPageSamples - kShiftSamples + 1;  // 361
}

void ChargeHistory::shiftHalfHour() {
  // Entries 361..11520 move to 1..11160; the freed tail becomes empty.
  std::copy(samples_.begin() + kShiftSamples, samples_.end(), samples_.begin());
  std::copy(kinds_.begin() + kShiftSamples, kinds_.end(), kinds_.begin());
  std::fill(samples_.end() - kShiftSamples, samples_.end(), kNoSample);
  std::fill(kinds_.end() - kShiftSamples, kinds_.end(), SampleKind::None);
}

void ChargeHistory::writeSample(double chargePercent, bool onPower, bool charging) {
  writeSample(quarterPercent(chargePercent), sampleKind(onPower, charging));
}

void ChargeHistory::writeSample(std::uint16_t quarterPercent, SampleKind kind) {
  const auto at = static_cast<std::size_t>(newestIndex() - 1);
  samples_[at] = kind == SampleKind::None ? kNoSample : std::min(quarterPercent, kFullLevel);
  kinds_[at] = kind;
}

void ChargeHistory::setView(int zoom, int origin) {
  assert(validView(zoom, origin));
  zoom_ = zoom;
  origin_ = origin;
}

void ChargeHistory::setEntryForTesting(int index, std::uint16_t value, SampleKind kind) {
  const auto at = static_cast<std::size_t>(index - 1);
  samples_[at] = kind == SampleKind::None ? kNoSample : value;
  kinds_[at] = kind;
}

std::uint16_t quarterPercent(double chargePercent) {
  // A negative or undefined level (a driver reporting a zero full capacity)
  // is stored as 0 rather than wrapping into the unsigned range.
  if (!(chargePercent > 0.0)) return 0;
  const std::int64_t quarters = roundHalfEven(chargePercent * 4.0);
  return static_cast<std::uint16_t>(std::min<std::int64_t>(quarters, kFullLevel));
}

SampleKind sampleKind(bool onPower, bool charging) {
  if (!onPower) return SampleKind::OnBattery;
  return charging ? SampleKind::Charging : SampleKind::OnPower;
}

}  // namespace voltaro::history
