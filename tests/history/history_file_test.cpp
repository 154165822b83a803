#include "history/history_file.h"

#include <gtest/gtest.h>

#include <string>

namespace voltaro::history {
namespace {

TEST(HistoryFile, RecordsSamplesAndGapsAsTheTickWould) {
  ChargeHistory history;
  history.setView(4, 13);
  const auto result = readHistoryText(
      "# percent kind\n"
      "98.5 2\r\n"
      "\n"
      "  100 1  \n"
      "-\n"
      "99.75 3",
      history);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.samples, 4);
  EXPECT_EQ(history.writePosition(), 4);
  EXPECT_EQ(history.zoom(), 16);  // reset first
  EXPECT_EQ(history.sample(10801), 394);
  EXPECT_EQ(history.kind(10801), SampleKind::Charging);
  EXPECT_EQ(history.sample(10802), 400);
  EXPECT_EQ(history.kind(10802), SampleKind::OnPower);
  EXPECT_FALSE(history.present(10803));
  EXPECT_EQ(history.kind(10803), SampleKind::None);
  EXPECT_EQ(history.sample(10804), 399);
  EXPECT_DOUBLE_EQ(result.lastPercent, 99.75);
  EXPECT_EQ(result.lastKind, SampleKind::OnBattery);
}

TEST(HistoryFile, MoreThanAnHourShiftsLikeTheTick) {
  std::string text;
  for (int n = 1; n <= 721; ++n) text += std::to_string(n % 100) + " 3\n";
  ChargeHistory history;
  ASSERT_TRUE(readHistoryText(text, history).ok);
  EXPECT_EQ(history.writePosition(), 361);
  EXPECT_EQ(history.sample(11161), 21 * 4);  // sample 721
  EXPECT_EQ(history.sample(10441), 1 * 4);   // sample 1
}

TEST(HistoryFile, NamesTheLineOfABrokenSample) {
  const std::pair<const char*, const char*> broken[] = {
      {"50 3\n50\n", "line 2: expected \"percent kind\" or \"-\""},
      {"50 4\n", "line 1: the kind must be 1, 2 or 3"},
      {"fifty 3\n", "line 1: the percent is not a number"},
      {"50x 3\n", "line 1: the percent is not a number"},
      {"# c\n-5 3\n", "line 2: the percent is outside 0..110"},
      {"50 3 1\n", "line 1: unexpected text after the kind"},
      {"nan 3\n", "line 1: the percent is not a number"},
  };
  for (const auto& [text, error] : broken) {
    ChargeHistory history;
    const auto result = readHistoryText(text, history);
    EXPECT_FALSE(result.ok) << text;
    EXPECT_EQ(result.error, error) << text;
  }
}

}  // namespace
}  // namespace voltaro::history
