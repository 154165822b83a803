// The scenario language as every front end reads it, and its run on the
// engine: clock times, the runner's statements, settings after each start,
// the panel, the flow, the answers and the computer going off.
#include <gtest/gtest.h>

#include <set>

#include "engine/engine_harness.h"
#include "scenario/scenario_run.h"
#include "scenario/scenario_script.h"

namespace voltaro::scenario {
namespace {

TEST(ScenarioScript, ClockTimesBecomeSecondsFromTheStart) {
  std::string text =
      "# day\nstart 09:30\nat 10:00:05 unplug\nat 12 plug\n  at 23:59 switch # late\n";
  int start = 0;
  ASSERT_FALSE(resolveClockTimes(text, start).has_value());
  EXPECT_EQ(start, 9 * 3600 + 30 * 60);
  EXPECT_EQ(text, "# day\n# start 09:30\nat 1805 unplug\nat 12 plug\nat 52140 switch # late\n");
  // A daily time before the start comes first the next day.
  std::string daily = "start 08:00\ndaily 07:00 unplug\ndaily 08:00 plug\n";
  std::set<int> dailyLines;
  ASSERT_FALSE(resolveClockTimes(daily, start, &dailyLines).has_value());
  EXPECT_EQ(daily, "# start 08:00\nat 82800 unplug\nat 0 plug\n");
  EXPECT_EQ(dailyLines, (std::set<int>{2, 3}));
  std::string bad = "start 25:00\n";
  EXPECT_EQ(resolveClockTimes(bad, start)->text(), "line 1: write 'start HH:MM[:SS]'");
}

TEST(ScenarioScript, TheWholeLanguageIsReadAndBadStatementsNamed) {
  platform::sim::SimBatteryDriver driver;
  const ScenarioReading reading = readScenario(
      "start 10:00\nslot 1 interface battery\nsetting WarningLevel=20\nanswers yes ok\n"
      "flow discharge=9000\ndisplay levels=none composition=on\nat 10:01 switch\n"
      "at 60 calibrate\nat 61 shutdown\nat 62 boot\nat 63 setting LaunchProgramPath=\"a b\"\n",
      driver);
  ASSERT_TRUE(reading.ok()) << reading.error->text();
  EXPECT_EQ(reading.script.startSecondOfDay, 36000);
  ASSERT_EQ(reading.script.statements.size(), 4u);
  EXPECT_EQ(reading.script.statements[1].verb, "answers");
  ASSERT_EQ(reading.script.events.size(), 5u);
  EXPECT_EQ(reading.script.events[0].action.verb, "switch");
  EXPECT_EQ(reading.script.events[4].action.values.at("LaunchProgramPath"), "a b");

  for (const auto& [text, error] : std::vector<std::pair<std::string, std::string>>{
           {"setting Loudness=3\n", "line 1: no setting named 'Loudness'"},
           {"setting WarningLevel=300\n", "line 1: WarningLevel takes 0 to 255"},
           {"answers maybe\n", "line 1: an answer is yes, no or ok, not 'maybe'"},
           {"display levels=10,200\n", "line 1: a level is a percent 0 to 100, not '200'"},
           {"flow uphill=3\n", "line 1: 'flow' has no option 'uphill'"},
           {"wear 5%\n", "line 1: write 'wear P%/day'"},
           {"wear -1%/day\n", "line 1: write 'wear P%/day'"},
           {"daily 9 plug\n", "line 1: write 'daily HH:MM[:SS] STATEMENT'"},
           {"at 5 boot now\n", "line 1: 'boot' takes no words"}}) {
    const ScenarioReading bad = readScenario(text, driver);
    ASSERT_FALSE(bad.ok()) << text;
    EXPECT_EQ(bad.error->text().substr(0, error.size()), error) << text;
  }
}

// A host over the engine harness that keeps what the run asked of it.
struct RecordingHost : ScenarioHost {
  explicit RecordingHost(testing::EngineHarness& h) : harness(h) {}
  engine::Engine* engine() override { return off ? nullptr : &harness.engine(); }
  void powerOff(const std::string& why) override {
    off = true;
    notes.push_back("off: " + why);
  }
  void boot() override { off = false; }
  void note(const std::string& text) override { notes.push_back(text); }
  testing::EngineHarness& harness;
  bool off = false;
  std::vector<std::string> notes;
};

class ScenarioRunTest : public ::testing::Test {
 protected:
  ScenarioRun& start(const std::string& text) {
    const ScenarioReading reading = readScenario(text, h.driver);
    EXPECT_TRUE(reading.ok()) << reading.error->text();
    run = std::make_unique<ScenarioRun>(reading.script, h.services->machine(), h.runtime, host);
    EXPECT_EQ(h.create(), 0);
    run->engineStarted();
    h.startAndRun(0);
    return *run;
  }

  testing::TemporaryFolder documents;
  testing::EngineHarness h{documents.path()};
  RecordingHost host{h};
  std::unique_ptr<ScenarioRun> run;
};

TEST_F(ScenarioRunTest, SettingsPanelAndAnswersComeInTheirOrder) {
  ScenarioRun& r = start(
      "display levels=20,60 ac=60 dc=20\nsetting WarningLevel=20\nanswers no ok\n"
      "at 30 setting WarningLevel=25\nat 40 answers yes\n");
  // The panel was there before the start opened it.
  const auto& levels = h.engine().brightness().levels();
  EXPECT_EQ(std::vector<std::uint8_t>(levels.begin(), levels.end()),
            (std::vector<std::uint8_t>{20, 60}));
  EXPECT_EQ(h.engine().settings().WarningLevel, 20);
  h.run(35);
  EXPECT_EQ(h.engine().settings().WarningLevel, 25);
  // A later start (a boot) sets both again, in their order, over the file's.
  h.engine().settings().WarningLevel = 30;
  r.engineStarted();
  EXPECT_EQ(h.engine().settings().WarningLevel, 25);
  h.run(10);
  EXPECT_EQ(r.takeAnswer(), "no");
  EXPECT_EQ(r.takeAnswer(), "ok");
  EXPECT_EQ(r.takeAnswer(), "yes");
  EXPECT_EQ(r.takeAnswer(), std::nullopt);
}

TEST_F(ScenarioRunTest, TheFlowDrainsUntilTheSystemsCriticalLevelSwitchesTheComputerOff) {
  // 45,000 mWh full, 3,000 mWh left: at 36,000 mW, 10 mWh a second.
  start(
      "info 1 full=45000\nstatus 1 state=discharging capacity=3000\nflow discharge=36000\n"
      "at 100 switch\n");
  h.run(10);
  EXPECT_EQ(h.driver.battery(1).status.capacity, 2900u);
  EXPECT_TRUE(host.notes.empty());
  // 5 % is 2,250 mWh: 75 seconds from the start.
  h.run(70);
  EXPECT_EQ(host.notes,
            (std::vector<std::string>{"off: shuts down at the critical battery level"}));
  const std::uint32_t atOff = h.driver.battery(1).status.capacity;
  h.run(40);
  EXPECT_EQ(h.driver.battery(1).status.capacity, atOff) << "a computer that is off uses nothing";
  EXPECT_EQ(host.notes.back(), "'switch' ignored: the computer is off");
}

TEST_F(ScenarioRunTest, DailyStatementsComeBackEachDayWhileThePackWears) {
  // 0.1 % of 50,000 mWh is 50 mWh a day.
  start(
      "info 1 designed=50000 full=45000\nstatus 1 state=online capacity=45000\n"
      "wear 0.1%/day\ndaily 09:00 unplug\ndaily 10:00 plug\n");
  const auto onBattery = [&] {
    return (h.driver.battery(1).status.powerState & platform::kPowerOnLine) == 0;
  };
  for (int day = 0; day < 3; ++day) {
    h.run(3600 + 30);  // 09:00:30
    EXPECT_TRUE(onBattery()) << "day " << day;
    h.run(3600);  // 10:00:30
    EXPECT_FALSE(onBattery()) << "day " << day;
    h.run(86400 - 7230);  // 08:00:00 the next day
  }
  EXPECT_NEAR(h.driver.battery(1).information.fullChargedCapacity, 45000 - 3 * 50, 1);
}

}  // namespace
}  // namespace voltaro::scenario
