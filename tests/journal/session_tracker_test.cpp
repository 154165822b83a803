// Sessions as the readings come: where one ends and the next begins, the
// energy each moved, and what it reached.
#include <gtest/gtest.h>

#include "fakes/fake_error_report.h"
#include "fakes/temporary_folder.h"
#include "journal/journal_files.h"
#include "journal/session_tracker.h"

namespace voltaro::journal {
namespace {

constexpr DayTime kNine = 46023 + 9.0 / 24;  // 2026-01-01 09:00

SessionReading at(double minutes, bool onPower, float percent, std::uint32_t capacity,
                  bool critical = false) {
  return {kNine + minutes / kMinutesPerDay, onPower, percent, capacity, critical};
}

TEST(SessionTracker, SessionsFollowEachOtherAndAddUp) {
  voltaro::testing::TemporaryFolder folder;
  const std::string data = folder.folder();
  fakes::FakeErrorReport errors;
  SessionTracker sessions(data, errors);
  sessions.reading("K", at(0, true, 100, 45000));
  sessions.reading("K", at(30, true, 100, 45000));
  // Unplugged: 45,000 down to 9,000 mWh until plugged in five hours later is
  // 7,200 mW; the battery reports its critical level on the way.
  sessions.reading("K", at(60, false, 100, 45000));
  sessions.reading("K", at(200, false, 30, 13500, true));
  sessions.reading("K", at(240, false, 20, 9000));
  // Plugged in: 36,000 mWh until unplugged 2 h 20 m later is 15,429 mW.
  sessions.reading("K", at(360, true, 20, 9000));
  sessions.reading("K", at(480, true, 100, 45000));
  // Unplugged again, then the battery is taken out.
  sessions.reading("K", at(500, false, 100, 45000));
  sessions.reading("K", at(530, false, 90, 40500));
  sessions.end(SessionEndedBy::Removal);
  sessions.end(SessionEndedBy::Exit);  // nothing open: nothing written

  const SessionsRead read = readSessions(sessionsPath(data, "K"));
  ASSERT_EQ(read.passedOver, 1u);  // the header
  std::vector<std::string> lines;
  for (const SessionEntry& entry : read.entries) lines.push_back(formatSessionLine(entry));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "2026-01-01 09:00:00,2026-01-01 10:00:00,charge,100,100,0,0,full,power",
                       "2026-01-01 10:00:00,2026-01-01 15:00:00,discharge,100,20,36000,7200,"
                       "critical,power",
                       "2026-01-01 15:00:00,2026-01-01 17:20:00,charge,20,100,36000,15429,full,"
                       "power",
                       "2026-01-01 17:20:00,2026-01-01 17:50:00,discharge,100,90,4500,9000,,"
                       "removal",
                   }));
  EXPECT_TRUE(errors.messages.empty());

  // A reading without a capacity in mWh leaves the energy unknown, and the
  // critical alert marks the discharge it fired in.
  sessions.reading("K", {kNine + 1, false, 50, std::nullopt, false});
  sessions.criticalReached();
  const auto open = sessions.openSession();
  ASSERT_TRUE(open);
  EXPECT_FALSE(open->energy);
  EXPECT_FALSE(open->averageRate);
  EXPECT_EQ(open->reached, SessionReached::Critical);
}

}  // namespace
}  // namespace voltaro::journal
