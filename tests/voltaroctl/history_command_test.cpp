// voltaroctl history over the files that a months-long simulation leaves: a
// pack wearing 0.05 % of its 50,000 mWh a day (25 mWh a day, 2,500 mWh per
// 100 days) from 90 % on 1 January 2026 at 08:00, three hours a day on
// battery at 10 W and the rest on the charger.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <numeric>
#include <sstream>

#include "command_run.h"
#include "engine/engine_harness.h"
#include "journal/journal_dates.h"
#include "journal/journal_files.h"
#include "journal/wear_trend.h"

namespace voltaro::tools {
namespace {

using journal::SessionKind;

struct CommandRun {
  int status = 0;
  std::string out, err;
};

CommandRun history(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CommandRun result;
#ifdef VOLTARO_HISTORY_IN_DESKTOP
  result.status = runWords(desktopCommands(), "history", args, out, err);
#else
  result.status = runWords(commands(), "history", args, out, err);
#endif
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// One run of four simulated months, checked as a whole: the journal, the
// trend, the sessions and the command's outputs.
TEST(VoltaroctlHistory, MonthsOfWearGiveTheJournalTrendAndSessions) {
  testing::TemporaryFolder documents;
  const std::string base = documents.path().string();
  std::ostringstream simulated, problems;
  // To 23:00 on the 120th day.
  ASSERT_EQ(runSimulateCommand({std::string(VOLTARO_SCENARIOS) + "/months.txt", "--hours",
                                std::to_string(119 * 24 + 15), "--data", base},
                               simulated, problems),
            0)
      << problems.str();
  const std::string folder = base + "/Keldwick/Voltaro/";
  std::string key;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    const std::string name = item.path().filename().string();
    if (name.ends_with("-journal.csv")) key = name.substr(0, name.size() - 12);
  }
  ASSERT_FALSE(key.empty());

  const auto days = journal::readJournal(journal::journalPath(folder, key)).entries;
  ASSERT_EQ(days.size(), 120u);
  const std::int32_t first = *journal::parseIsoDate("2026-01-01");
  for (std::size_t i = 0; i < days.size(); ++i) EXPECT_EQ(days[i].day, first + int(i));

  const journal::WearTrend trend = journal::fitWearTrend(days);
  ASSERT_EQ(trend.projection, journal::Projection::Projected);
  EXPECT_NEAR(trend.lossPer100Days(), 2500.0, 2500.0 * 0.05);
  // From 10 % wear to 50 % at 0.05 points a day: 800 days after the start.
  EXPECT_NEAR(*trend.projectedDay, first + 800, 10);

  const auto sessions = journal::readSessions(journal::sessionsPath(folder, key)).entries;
  // The first morning on the charger, then each day's discharge and charge.
  ASSERT_EQ(sessions.size(), 1u + 2 * 120);
  std::int64_t out = 0, in = 0;
  for (std::size_t i = 0; i < sessions.size(); ++i) {
    if (i > 0) {
      EXPECT_EQ(sessions[i].start, sessions[i - 1].end) << i;
    }
    EXPECT_EQ(sessions[i].kind, i % 2 == 0 ? SessionKind::Charge : SessionKind::Discharge) << i;
    (sessions[i].kind == SessionKind::Charge ? in : out) += sessions[i].energy.value_or(0);
  }
  // 3 hours at 10,000 mW a day, put back by the charger.
  EXPECT_NEAR(double(out), 120 * 30000.0, 120 * 30000.0 * 0.005);
  EXPECT_NEAR(double(in), double(out), 120 * 30000.0 * 0.005);

  // The CSV is the file's lines; the JSON and the table carry the projection.
  const CommandRun csv = history({"--data", base, "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto csvLines = linesOf(csv.out);
  ASSERT_EQ(csvLines.size(), 121u);
  EXPECT_EQ(csvLines[0], journal::kJournalHeader);
  EXPECT_EQ(csvLines[1], journal::formatJournalLine(days[0]));
  const CommandRun json = history({"--data", base, "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json parsed = nlohmann::json::parse(json.out);
  const nlohmann::json& battery = parsed.at("batteries").at(0);
  EXPECT_EQ(battery.at("journal").size(), 120u);
  EXPECT_EQ(battery.at("trend").at("replacement_date"), journal::isoDate(*trend.projectedDay));
  const CommandRun table = history({"--data", base});
  EXPECT_NE(table.out.find("50 % wear     " + journal::isoDate(*trend.projectedDay)),
            std::string::npos)
      << table.out;
  const CommandRun sessionsCsv = history({"--data", base, "--sessions", "--csv"});
  EXPECT_EQ(linesOf(sessionsCsv.out).size(), sessions.size() + 1);
}

TEST(VoltaroctlHistory, RefusesBadOptionsAndMissingJournals) {
  EXPECT_EQ(history({"--csv", "--json"}).status, 2);
  EXPECT_EQ(history({"--plot"}).status, 2);
  testing::TemporaryFolder empty;
  const CommandRun none = history({"--data", empty.path().string()});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no data folder"), std::string::npos) << none.err;
}

}  // namespace
}  // namespace voltaro::tools
