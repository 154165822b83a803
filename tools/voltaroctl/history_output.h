// The journal, the sessions and the wear trend of one battery as
// `voltaroctl history` prints them: aligned tables, the CSV of the files and
// JSON.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "journal/journal_entry.h"
#include "journal/session_entry.h"
#include "journal/wear_trend.h"

#include <nlohmann/json.hpp>

namespace voltaro::tools {

// The two trend lines ("Wear trend", "50 % wear") under a caption column of
// `captionWidth`, as the history table and `voltaroctl health` end.
void printTrend(const journal::WearTrend& trend, std::int32_t today, std::ostream& out,
                std::size_t captionWidth);

void printJournalTable(const std::vector<journal::JournalEntry>& entries, std::ostream& out);
void printSessionsTable(const std::vector<journal::SessionEntry>& entries, std::ostream& out);

void printJournalCsv(const std::vector<journal::JournalEntry>& entries, std::ostream& out);
void printSessionsCsv(const std::vector<journal::SessionEntry>& entries, std::ostream& out);

nlohmann::json journalJson(const std::vector<journal::JournalEntry>& entries);
nlohmann::json sessionsJson(const std::vector<journal::SessionEntry>& entries);
nlohmann::json trendJson(const journal::WearTrend& trend);

}  // namespace voltaro::tools
