#include "history/charge_history.h"

#include <gtest/gtest.h>

namespace voltaro::history {
namespace {

// Writes one sample the way the tick does: advance, then store.
void record(ChargeHistory& history, std::uint16_t value, SampleKind kind = SampleKind::OnBattery) {
  history.advance();
  history.writeSample(value, kind);
}

TEST(ChargeHistory, StartsEmptyAtTheNewestOneHourView) {
  ChargeHistory history;
  EXPECT_EQ(history.writePosition(), 0);
  EXPECT_EQ(history.zoom(), 16);
  EXPECT_EQ(history.origin(), 16);
  for (int index : {1, 5000, 10800, 10801, 11520}) {
    EXPECT_EQ(history.sample(index), kNoSample) << index;
    EXPECT_EQ(history.kind(index), SampleKind::None) << index;
    EXPECT_FALSE(history.present(index));
  }
}

TEST(ChargeHistory, FirstSampleGoesToTheStartOfTheNewestPage) {
  ChargeHistory history;
  record(history, 300, SampleKind::Charging);
  EXPECT_EQ(history.writePosition(), 1);
  EXPECT_EQ(history.newestIndex(), 10801);
  EXPECT_EQ(history.sample(10801), 300);
  EXPECT_EQ(history.kind(10801), SampleKind::Charging);
  EXPECT_EQ(history.sample(10800), kNoSample);
  EXPECT_EQ(history.sample(10802), kNoSample);
}

TEST(ChargeHistory, SampleAfterAFullHourShiftsHalfAnHourOut) {
  ChargeHistory history;
  // Sample n (1-based) has the value n % 401 and alternates between two kinds.
  for (int n = 1; n <= 720; ++n) {
    record(history, static_cast<std::uint16_t>(n % 401),
           n % 2 ? SampleKind::OnPower : SampleKind::Charging);
  }
  EXPECT_EQ(history.writePosition(), 720);
  EXPECT_EQ(history.sample(11520), 720 % 401);

  record(history, 123, SampleKind::OnBattery);
  EXPECT_EQ(history.writePosition(), 361);
  EXPECT_EQ(history.newestIndex(), 11161);
  EXPECT_EQ(history.sample(11161), 123);
  EXPECT_EQ(history.kind(11161), SampleKind::OnBattery);
  // Sample 1 moved from 10801 to 10441, sample 720 from 11520 to 11160.
  EXPECT_EQ(history.sample(10441), 1);
  EXPECT_EQ(history.kind(10441), SampleKind::OnPower);
  EXPECT_EQ(history.sample(11160), 720 % 401);
  EXPECT_EQ(history.kind(11160), SampleKind::Charging);
  EXPECT_EQ(history.sample(10440), kNoSample);
  for (int index : {11162, 11300, 11520}) {
    EXPECT_EQ(history.sample(index), kNoSample) << index;
    EXPECT_EQ(history.kind(index), SampleKind::None) << index;
  }
}

TEST(ChargeHistory, EverySampleKeepsItsAgeThroughManyShifts) {
  ChargeHistory history;
  // 20 hours: the 16-hour buffer fills and the oldest samples fall off.
  for (int n = 1; n <= 14400; ++n) {
    record(history, static_cast<std::uint16_t>(n % 401));
    const int newest = history.newestIndex();
    ASSERT_EQ(history.sample(newest), n % 401) << n;
    for (int age : {1, 359, 360, 361, 5000, 11000}) {
      const int index = newest - age;
      if (index < 1) continue;
      const std::uint16_t expected = n - age >= 1 ? (n - age) % 401 : kNoSample;
      ASSERT_EQ(history.sample(index), expected) << "sample " << n << " age " << age;
    }
  }
  // Shifts come at samples 721 + 360 k; the last one before 14400 is 14041
  // (w = 361), and 359 samples later the page is full again.
  EXPECT_EQ(history.writePosition(), 720);
  // Entry 1 is 11519 samples older than entry 11520: sample 2881, value 74.
  EXPECT_EQ(history.sample(1), 74);
}

TEST(ChargeHistory, LevelIsRoundedHalfToEvenAndCappedAtFull) {
  EXPECT_EQ(quarterPercent(100.4), 400);  // 401.6
  EXPECT_EQ(quarterPercent(100.1), 400);  // 400.4
  EXPECT_EQ(quarterPercent(87.5), 350);
  EXPECT_EQ(quarterPercent(12.125), 48);  // 48.5 goes to the even 48
  EXPECT_EQ(quarterPercent(12.375), 50);  // 49.5 goes to the even 50
  EXPECT_EQ(quarterPercent(0.1), 0);      // 0.4
  EXPECT_EQ(quarterPercent(-3.0), 0);
}

TEST(ChargeHistory, KindFollowsPowerSourceThenCharging) {
  EXPECT_EQ(sampleKind(false, false), SampleKind::OnBattery);
  EXPECT_EQ(sampleKind(false, true), SampleKind::OnBattery);
  EXPECT_EQ(sampleKind(true, true), SampleKind::Charging);
  EXPECT_EQ(sampleKind(true, false), SampleKind::OnPower);

  ChargeHistory history;
  history.advance();
  history.writeSample(55.3, true, false);
  EXPECT_EQ(history.sample(10801), 221);  // 221.2
  EXPECT_EQ(history.kind(10801), SampleKind::OnPower);
  history.advance();
  history.writeSample(std::uint16_t{450}, SampleKind::Charging);
  EXPECT_EQ(history.sample(10802), 400);
}

TEST(ChargeHistory, ResetEmptiesAndReturnsToTheOneHourView) {
  ChargeHistory history;
  for (int n = 0; n < 800; ++n) record(history, 200);
  history.setView(4, 9);
  history.reset();
  EXPECT_EQ(history.writePosition(), 0);
  EXPECT_EQ(history.zoom(), 16);
  EXPECT_EQ(history.origin(), 16);
  EXPECT_EQ(history.sample(11000), kNoSample);
  EXPECT_EQ(history.kind(10500), SampleKind::None);
}

}  // namespace
}  // namespace voltaro::history
