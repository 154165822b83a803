// The 16-hour charge history of the selected battery: one sample every five
// seconds in quarter percent, the kind of power source with each sample, the
// write position inside the newest page, and the zoom and origin of the view.
//
// Everything lives in memory only; the buffers are fixed-size and allocated
// once, and a 30-minute block moves only when the newest page is full.
#pragma once

#include <array>
#include <cstdint>

namespace voltaro::history {

constexpr int kHistorySamples = 11520;  // 16 h at one sample per 5 s
constexpr int kPageSamples = 720;       // one hour: the columns of a view
constexpr int kShiftSamples = 360;      // 30 minutes, moved out when the page is full
constexpr int kNewestPageStart = kHistorySamples - kPageSamples;  // 10800
constexpr int kSamplePeriodSeconds = 5;                           // one sample every fifth tick
constexpr std::uint16_t kFullLevel = 400;                         // 100 % in quarter percent
constexpr std::uint16_t kNoSample = 444;                          // marks an empty entry

// What fed the battery while a sample was taken.
enum class SampleKind : std::uint8_t {
  OnPower = 1,    // on external power, not charging
  Charging = 2,   // on external power and charging
  OnBattery = 3,  // running from the battery
  None = 4,       // no sample
};

class ChargeHistory {
 public:
  ChargeHistory();

  // Empties every entry and returns to the newest 1-hour view.
  void reset();
  // Moves the write position on by one; when the newest page is full the whole
  // history moves down by 30 minutes first and the position restarts at 361.
  void advance();
  // Stores the charge level (percent) at the write position, capped at 100 %,
  // with the kind that the power source and the charging flag give.
  void writeSample(double chargePercent, bool onPower, bool charging);
  // Stores a level already in quarter percent (capped at 400) with its kind.
  void writeSample(std::uint16_t quarterPercent, SampleKind kind);

  // Entries are numbered 1 to 11520, oldest first.
  std::uint16_t sample(int index) const { return samples_[static_cast<std::size_t>(index - 1)]; }
  SampleKind kind(int index) const { return kinds_[static_cast<std::size_t>(index - 1)]; }
  // A value above 400 counts as missing.
  bool present(int index) const { return sample(index) <= kFullLevel; }

  int writePosition() const { return writePosition_; }  // 0..720
  int newestIndex() const { return kNewestPageStart + writePosition_; }
  int zoom() const { return zoom_; }      // 16, 8, 4, 2 or 1; the view spans 16 / zoom hours
  int origin() const { return origin_; }  // 1..16, the view's first page from the oldest

  // Only the zoom and origin commands (and tools that pick a view) set these;
  // the pair must satisfy validView (history_zoom.h).
  void setView(int zoom, int origin);

  // Places an entry directly, for tools that load a stored history and for
  // tests; `kind` None stores an empty entry whatever `value` says.
  void setEntryForTesting(int index, std::uint16_t value, SampleKind kind);
  void setWritePositionForTesting(int position) { writePosition_ = position; }

 private:
  void shiftHalfHour();

  std::array<std::uint16_t, kHistorySamples> samples_{};  // quarter percent, 444 empty
  std::array<SampleKind, kHistorySamples> kinds_{};
  int writePosition_ = 0;
  int zoom_ = 16;
  int origin_ = 16;
};

// Quarter percent for a charge level: rounded half to even, at most 400.
std::uint16_t quarterPercent(double chargePercent);
// 3 on battery, 2 on power and charging, 1 on power and not charging.
SampleKind sampleKind(bool onPower, bool charging);

}  // namespace voltaro::history
