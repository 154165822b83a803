// The health over months through the engine: a journal line at the first
// reading of each day, sessions from one power-source change to the next,
// ended by the exit or by the battery leaving.
#include <gtest/gtest.h>

#include "engine/engine_harness.h"
#include "journal/journal_files.h"

namespace voltaro::testing {
namespace {

using journal::SessionEndedBy;
using journal::SessionKind;
using platform::kCharging;
using platform::kDischarging;
using platform::kPowerOnLine;

constexpr DayTime kStart = platform::sim::VirtualRuntime::kDefaultStart;  // 2026-01-01 08:00

class EngineJournalTest : public ::testing::Test {
 protected:
  std::string file(const char* suffix) {
    return h.engine().dataFolder() + h.engine().info().batteryKey + suffix;
  }
  std::vector<std::string> journalLines() {
    return readTextLines(file("-journal.csv")).value_or(std::vector<std::string>{});
  }
  std::vector<journal::SessionEntry> sessions() {
    return journal::readSessions(file("-sessions.csv")).entries;
  }
  // Seconds from the start of the run to `when`.
  static double secondsOf(DayTime when) { return (when - kStart) * kSecondsPerDay; }

  TemporaryFolder documents;
  EngineHarness h{documents.path()};
};

TEST_F(EngineJournalTest, ADayLineEachDayAndSessionsUpToTheExit) {
  h.driver.battery(1).status = {kPowerOnLine, 45000, 12600, 0};
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(3600);
  // An hour on battery, from 45,000 down to 33,000 mWh, then charging.
  h.driver.unplug();
  h.run(1800);
  h.driver.battery(1).status = {kDischarging, 33000, 11600, -12000};
  h.run(1800);
  h.driver.battery(1).status = {kPowerOnLine | kCharging, 33000, 12400, 20000};
  h.run(15 * 3600 + 60);  // past midnight

  // One hour on battery is 60 minutes; the fall from 100 % to 73 % within
  // one five-second check is one hundredth.
  EXPECT_EQ(journalLines(), (std::vector<std::string>{
                                std::string(journal::kJournalHeader),
                                "2026-01-01,45000,50000,,0,0,reading",
                                "2026-01-02,45000,50000,,1,60,reading",
                            }));
  EXPECT_EQ(sessions().size(), 2u);  // ended by the two changes of the power source
  h.engine().exitProcedure();

  const auto all = sessions();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].kind, SessionKind::Charge);
  EXPECT_EQ(all[0].energy, 0);
  EXPECT_EQ(all[0].reached, journal::SessionReached::Full);
  EXPECT_EQ(all[1].kind, SessionKind::Discharge);
  EXPECT_EQ(all[1].startPercent, 100);
  EXPECT_EQ(all[1].endPercent, 73);
  EXPECT_EQ(all[1].energy, 12000);
  EXPECT_EQ(all[1].averageRate, 12000);  // over the hour between the two changes
  EXPECT_EQ(all[2].kind, SessionKind::Charge);
  EXPECT_EQ(all[2].endedBy, SessionEndedBy::Exit);
  // Each change is seen at the reading after it, a second or two later.
  EXPECT_NEAR(secondsOf(all[1].start), 3600, 2);
  EXPECT_NEAR(secondsOf(all[1].end), 7200, 2);
  EXPECT_EQ(all[0].end, all[1].start);
  EXPECT_EQ(all[1].end, all[2].start);
  EXPECT_TRUE(h.errors.messages.empty());
}

TEST_F(EngineJournalTest, TheBatteryLeavingEndsItsSession) {
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(60);
  h.driver.removeBattery(1);
  h.run(10);
  const auto all = sessions();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].kind, SessionKind::Discharge);
  EXPECT_EQ(all[0].endedBy, SessionEndedBy::Removal);
  h.engine().exitProcedure();
  EXPECT_EQ(sessions().size(), 1u);
}

TEST_F(EngineJournalTest, SaveWritesTheJournalBesideTheCalibrationData) {
  ASSERT_EQ(h.create(), 0);
  h.startAndRun(60);
  const std::string saved = documents.path().string() + "/export.v1.bin";
  h.fileDialogs.answer = saved;
  h.engine().healthCommands().saveCommand();
  const auto copy = journal::readJournal(documents.path().string() + "/export.v1-journal.csv");
  EXPECT_EQ(copy.entries, journal::readJournal(file("-journal.csv")).entries);
  EXPECT_EQ(copy.entries.size(), 1u);
  EXPECT_EQ(engine::HealthJournal::copyPathBeside("/a.b/battery1"), "/a.b/battery1-journal.csv");
  EXPECT_TRUE(h.errors.messages.empty());
}

}  // namespace
}  // namespace voltaro::testing
