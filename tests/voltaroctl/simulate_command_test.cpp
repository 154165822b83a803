// `voltaroctl simulate`, the calibration runs and `watch`: what they print
// for a scenario, on the whole engine.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_run.h"
#include "fakes/temporary_folder.h"

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

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

CommandRun run(Command command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CommandRun result;
  result.status = command(args, out, err);
  result.out = lines(out.str());
  result.err = err.str();
  return result;
}

CommandRun simulate(const std::vector<std::string>& args) {
  return run(runSimulateCommand, args);
}

std::string shipped(const std::string& name) {
  return std::string(VOLTARO_SCENARIOS) + "/" + name;
}

// The lines that hold `part`, without their time stamps, in order.
std::vector<std::string> linesWith(const std::vector<std::string>& all, const std::string& part) {
  std::vector<std::string> found;
  for (const auto& line : all) {
    if (line.find(part) != std::string::npos) found.push_back(line.substr(line.find("  ") + 2));
  }
  return found;
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

  const testing::TemporaryFolder folder;
  const std::string path = folder.file("early.txt");
  std::ofstream(path) << "start 10:00\nslot 1 interface battery\nat 09:59 unplug\n";
  const CommandRun early = simulate({path});
  EXPECT_EQ(early.status, 2);
  EXPECT_NE(early.err.find("line 3: 09:59 is before the start"), std::string::npos) << early.err;

  std::ofstream(path) << "slot 1 interface battery\nat 5 suspend now\n";
  const CommandRun words = simulate({path});
  EXPECT_EQ(words.status, 2);
  EXPECT_NE(words.err.find("'suspend' takes no words"), std::string::npos) << words.err;
}

// The warning at 30 % with every action, then the critical message and
// hibernation, each as one line in the order the program acts.
TEST(VoltaroctlSimulate, AlertsShowWhatTheProgramWouldDo) {
  const CommandRun alerts = simulate({shipped("alerts.txt"), "--hours", "0.5"});
  ASSERT_EQ(alerts.status, 0) << alerts.err;
  const std::vector<std::string> expected = {
      "alert warning",
      "action brightness battery=30",
      "action composition off",
      "action volume 0",  // 50 steps down from the speaker's 50 %
      "action launch /usr/bin/notify-send",
      "alert critical",
      "dialog notice Battery Alert: The battery capacity has reached a critical value. / Save "
      "your work and plug in the power cord now!",
      "action hibernate force",
      "dialog answer ok"};
  std::vector<std::string> seen;
  for (const char* kind : {"alert ", "action ", "dialog "}) {
    for (const auto& line : linesWith(alerts.out, kind)) seen.push_back(line);
  }
  // Stamped at 30 % (09:05) and at 9 % (09:15), one evaluation later.
  EXPECT_EQ(countOf(alerts.out, "09:05:00  alert warning"), 1);
  EXPECT_EQ(countOf(alerts.out, "09:15:00  alert critical"), 1);
  std::vector<std::string> inOrder;
  for (const auto& line : alerts.out) {
    const std::string text = line.substr(line.find("  ") + 2);
    if (std::find(expected.begin(), expected.end(), text) != expected.end()) {
      inOrder.push_back(text);
    }
  }
  EXPECT_EQ(inOrder, expected);
  // The start's own request (the speaker to 90 %) is the only other action.
  EXPECT_EQ(seen.size(), expected.size() + 1);
}

// The calibration: two unplug questions, five answers, the shutdown at the
// critical level, the restart and the completion with its log and record.
TEST(VoltaroctlCalibrationRuns, TheCalibrationCompletesAfterTheRestart) {
  const CommandRun cal =
      run(runCalibrateSimCommand, {shipped("calibration.txt"), "--hours", "3.5"});
  ASSERT_EQ(cal.status, 0) << cal.err;
  EXPECT_EQ(linesWith(cal.out, "dialog question Confirmation: In order to start").size(), 2u);
  EXPECT_EQ(linesWith(cal.out, "dialog answer ").size(), 5u);
  EXPECT_TRUE(linesWith(cal.out, "dialog unanswered").empty());
  EXPECT_EQ(linesWith(cal.out, "plan calibration-values balanced").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "marker calib2.txt created").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "the computer shuts down at the critical battery level").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "program starts").size(), 2u);
  EXPECT_EQ(linesWith(cal.out, "dialog notice Information: Calibration is complete").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "  Total calibrations: 1").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "  Full Charged Capacity: 45,000 mWh").size(), 1u);
  EXPECT_EQ(linesWith(cal.out, "health: calibrations 1, latest calibration day 46023").size(), 1u);
  EXPECT_EQ(cal.err, "");
}

// Two fast discharges: the first ends on external power, the second at its
// end time; the display goes to 70 % on battery and back to 40 %.
TEST(VoltaroctlCalibrationRuns, TheFastDischargesEndOnPowerAndAtTheirEndTime) {
  const CommandRun fd =
      run(runFastDischargeSimCommand, {shipped("fast_discharge.txt"), "--hours", "0.25"});
  ASSERT_EQ(fd.status, 0) << fd.err;
  EXPECT_EQ(linesWith(fd.out, "This process will run for 5 minutes.").size(), 2u);
  EXPECT_EQ(linesWith(fd.out, "worker threads running: 3").size(), 1u);
  EXPECT_EQ(linesWith(fd.out, "worker threads running: 0").size(), 1u);
  EXPECT_EQ(linesWith(fd.out, "action brightness "),
            (std::vector<std::string>{"action brightness ac=100 battery=70",
                                      "action brightness ac=100 battery=40"}));
  EXPECT_EQ(linesWith(fd.out, "shown Fast Discharge: Off").size(), 2u);
  EXPECT_EQ(linesWith(fd.out, "disc activity files left: 0").size(), 1u);
  EXPECT_EQ(run(runCalibrateSimCommand, {}).status, 2);
}

TEST(VoltaroctlWatch, PrintsTheShownValuesOnTheRealClock) {
  const testing::TemporaryFolder folder;
  const std::string path = folder.file("watch.txt");
  std::ofstream(path) << "slot 1 interface battery\n";
  std::ostringstream out, err;
  ASSERT_EQ(runWatchCommand({"--seconds", "2", "--simulate", path}, out, err), 0) << err.str();
  const std::string text = out.str();
  EXPECT_NE(text.find("  Charge: 67 %\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Mode: Discharging\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  notice: Message / Battery is discharging\n"), std::string::npos);
  EXPECT_EQ(runWatchCommand({"--seconds"}, out, err), 2);
  EXPECT_EQ(runWatchCommand({"--json", "--seconds", "0"}, out, err), 2);
  EXPECT_EQ(runWatchCommand({"--simulate", "a", "--sysfs", "b"}, out, err), 2);
}

TEST(VoltaroctlWatch, JsonPrintsOneObjectPerChange) {
  const testing::TemporaryFolder folder;
  const std::string path = folder.file("watch.txt");
  // 40,000 of 50,000 mWh on the mains, then unplugged after two seconds.
  std::ofstream(path) << "slot 1 interface battery\n"
                         "info 1 designed=50000 full=50000\n"
                         "status 1 state=online capacity=40000 rate=0 voltage=12000\n"
                         "at 2 unplug\n";
  std::ostringstream out, err;
  ASSERT_EQ(runWatchCommand({"--seconds", "4", "--simulate", path, "--json"}, out, err), 0)
      << err.str();
  const auto printed = lines(out.str());
  ASSERT_GE(printed.size(), 2u) << out.str();
  std::vector<nlohmann::json> objects;
  for (const auto& line : printed) objects.push_back(nlohmann::json::parse(line));
  EXPECT_EQ(objects.front()["on_ac"], true);
  EXPECT_DOUBLE_EQ(objects.front()["percent"].get<double>(), 80.0);
  EXPECT_EQ(objects.front()["capacity_mwh"], 40000);
  EXPECT_EQ(objects.back()["on_ac"], false);
  for (std::size_t i = 1; i < objects.size(); ++i) {
    auto previous = objects[i - 1];
    auto current = objects[i];
    previous.erase("timestamp");
    current.erase("timestamp");
    EXPECT_NE(previous, current) << "line " << i << " repeats the one before";
  }
}

}  // namespace
}  // namespace voltaro::tools
