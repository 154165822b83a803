// `voltaroctl simulate` and `watch`: what they print for a scenario.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "monitor_session.h"
#include "simulate_command.h"
#include "watch_command.h"

namespace voltaro::tools {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

int countOf(const std::vector<std::string>& all, const std::string& line) {
  return static_cast<int>(std::count(all.begin(), all.end(), line));
}

struct CommandRun {
  int status = 0;
  std::vector<std::string> out;
  std::string err;
};

CommandRun simulate(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CommandRun run;
  run.status = runSimulateCommand(args, out, err);
  run.out = lines(out.str());
  run.err = err.str();
  return run;
}

TEST(VoltaroctlSimulate, WorkdayScenario) {
  const CommandRun run =
      simulate({std::string(VOLTARO_TEST_DATA) + "/monitor/workday.txt", "--hours", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto& out = run.out;
  // 44,900 mWh at 15,000 mW: 10,776 s, 179 whole minutes.
  EXPECT_EQ(countOf(out, "10:00:00  notice: Message / Battery is discharging"), 1);
  EXPECT_EQ(countOf(out, "10:00:00  Time: 2 h 59 m"), 1);
  EXPECT_EQ(countOf(out, "11:10:00  status: Battery 2 selected"), 1);
  EXPECT_EQ(countOf(out, "11:20:00  status: Battery 1 selected"), 1);
  // The suspend never gets its resume: the watchdog (every 20 s from 09:55)
  // brings the tick back.
  EXPECT_EQ(countOf(out, "11:30:00  > monitoring stopped"), 1);
  EXPECT_EQ(countOf(out, "11:30:20  > monitoring runs"), 1);
  // 22,400 mWh at 12,000 mW: 6,720 s.
  EXPECT_EQ(countOf(out, "12:00:01  Time: 1 h 52 m"), 1);
  // Plugged in at 50 %: 22,600 mWh to go at 20,000 mW is 4,068 s.
  EXPECT_EQ(countOf(out, "12:30:01  notice: Message / Battery is charging"), 1);
  EXPECT_EQ(countOf(out, "12:30:01  Time: 1 h 7 m"), 1);
  EXPECT_EQ(
      countOf(out, "12:30:01  hint: Running on AC Power, charging | Battery 1 capacity:   50 %"),
      1);
  int notices = 0;
  for (const auto& line : out) notices += line.find("notice:") != std::string::npos;
  EXPECT_EQ(notices, 4);  // full at the start, unplugged, plugged in, full again
  // Five hours of ticks from 09:55:00.250, the paused half minute left out.
  EXPECT_EQ(out.back().substr(0, 10), "14:55:00  ");
}

TEST(VoltaroctlSimulate, RefusesBadInput) {
  EXPECT_EQ(simulate({}).status, 2);
  EXPECT_EQ(simulate({"x.txt", "--hours", "-1"}).status, 2);
  EXPECT_EQ(simulate({"x.txt", "--hours", "2h"}).status, 2);
  EXPECT_EQ(simulate({"/nonexistent/scenario.txt"}).status, 2);

  const std::string path = ::testing::TempDir() + "/early.txt";
  std::ofstream(path) << "start 10:00\nslot 1 interface battery\nat 09:59 unplug\n";
  const CommandRun early = simulate({path});
  EXPECT_EQ(early.status, 2);
  EXPECT_NE(early.err.find("line 3: 09:59 is before the start"), std::string::npos) << early.err;

  std::ofstream(path) << "slot 1 interface battery\nat 5 suspend now\n";
  const CommandRun words = simulate({path});
  EXPECT_EQ(words.status, 2);
  EXPECT_NE(words.err.find("'suspend' takes no words"), std::string::npos) << words.err;
}

TEST(VoltaroctlSimulate, ClockTimesBecomeSecondsFromTheStart) {
  std::string text =
      "# day\nstart 09:30\nat 10:00:05 unplug\nat 12 plug\n  at 23:59 switch # late\n";
  CivilDateTime start;
  ASSERT_FALSE(resolveClockTimes(text, start).has_value());
  EXPECT_EQ(start.hour, 9);
  EXPECT_EQ(start.minute, 30);
  EXPECT_EQ(text, "# day\n# start 09:30\nat 1805 unplug\nat 12 plug\nat 52140 switch # late\n");
  std::string bad = "start 25:00\n";
  EXPECT_EQ(resolveClockTimes(bad, start), "line 1: write 'start HH:MM[:SS]'");
}

TEST(VoltaroctlWatch, PrintsTheShownValuesOnTheRealClock) {
  const std::string path = ::testing::TempDir() + "/watch.txt";
  std::ofstream(path) << "slot 1 interface battery\n";
  std::ostringstream out, err;
  ASSERT_EQ(runWatchCommand({"--seconds", "2", "--simulate", path}, out, err), 0) << err.str();
  const std::string text = out.str();
  EXPECT_NE(text.find("  Charge: 67 %\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Mode: Discharging\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  notice: Message / Battery is discharging\n"), std::string::npos);
  EXPECT_EQ(runWatchCommand({"--seconds"}, out, err), 2);
  EXPECT_EQ(runWatchCommand({"--simulate", "a", "--sysfs", "b"}, out, err), 2);
}

}  // namespace
}  // namespace voltaro::tools
